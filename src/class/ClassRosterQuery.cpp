// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassRosterQuery.h"
#include "ClassGoalsQuery.h"
#include "ClassSchemaVersion.h"
#include "ClassStatement.h"

#include <QSqlError>
#include <QSqlQuery>

namespace clavora {
namespace {

// Each learner's figures come from their own index ranges (learner, day): the last five
// weeks of attempts (also week by week, the oldest first), this week's key figures, and the
// last day. No statement reads a whole
// table, so the page costs the same whatever the class's history holds.
constexpr char RosterSql[] = R"(
WITH span AS (SELECT CAST(? AS date) AS today),
members AS (
    SELECT l.login, l.full_name, string_agg(c.name, ', ' ORDER BY c.name) AS classes
    FROM clavora.class_members m
    JOIN clavora.learners l ON l.login = m.learner
    JOIN clavora.classes c ON c.id = m.class_id
    WHERE m.teacher = current_user
    GROUP BY l.login, l.full_name)
SELECT m.login, m.full_name, m.classes,
    GREATEST((SELECT max(a.day) FROM clavora.attempts a WHERE a.learner = m.login),
             (SELECT max(g.day) FROM clavora.games g WHERE g.learner = m.login)),
    w.minutes, w.attempts, w.speed, w.speed_before, w.accuracy, w.accuracy_before, k.keys, %1,
    w.week_seconds, w.week_speeds
FROM members m CROSS JOIN span s
LEFT JOIN LATERAL (
    SELECT coalesce(sum(a.seconds) FILTER (WHERE a.day > s.today - 7), 0) / 60 AS minutes,
        count(*) FILTER (WHERE a.day > s.today - 7) AS attempts,
        percentile_cont(0.5) WITHIN GROUP (ORDER BY a.speed) FILTER (WHERE a.day > s.today - 7) AS speed,
        percentile_cont(0.5) WITHIN GROUP (ORDER BY a.speed) FILTER (WHERE a.day <= s.today - 7) AS speed_before,
        percentile_cont(0.5) WITHIN GROUP (ORDER BY a.accuracy) FILTER (WHERE a.day > s.today - 7) AS accuracy,
        percentile_cont(0.5) WITHIN GROUP (ORDER BY a.accuracy) FILTER (WHERE a.day <= s.today - 7) AS accuracy_before,
        ARRAY[sum(a.seconds) FILTER (WHERE a.day <= s.today - 28),
              sum(a.seconds) FILTER (WHERE a.day > s.today - 28 AND a.day <= s.today - 21),
              sum(a.seconds) FILTER (WHERE a.day > s.today - 21 AND a.day <= s.today - 14),
              sum(a.seconds) FILTER (WHERE a.day > s.today - 14 AND a.day <= s.today - 7),
              sum(a.seconds) FILTER (WHERE a.day > s.today - 7)] AS week_seconds,
        ARRAY[percentile_cont(0.5) WITHIN GROUP (ORDER BY a.speed) FILTER (WHERE a.day <= s.today - 28),
              percentile_cont(0.5) WITHIN GROUP (ORDER BY a.speed) FILTER (WHERE a.day > s.today - 28 AND a.day <= s.today - 21),
              percentile_cont(0.5) WITHIN GROUP (ORDER BY a.speed) FILTER (WHERE a.day > s.today - 21 AND a.day <= s.today - 14),
              percentile_cont(0.5) WITHIN GROUP (ORDER BY a.speed) FILTER (WHERE a.day > s.today - 14 AND a.day <= s.today - 7),
              percentile_cont(0.5) WITHIN GROUP (ORDER BY a.speed) FILTER (WHERE a.day > s.today - 7)] AS week_speeds
    FROM clavora.attempts a
    WHERE a.learner = m.login AND a.day > s.today - 35 AND a.day <= s.today) w ON true
LEFT JOIN LATERAL (
    SELECT string_agg(key.expected::text, ',' ORDER BY key.rate DESC, key.expected) AS keys
    FROM (SELECT d.expected, sum(d.count) FILTER (WHERE d.struck <> d.expected)::float8 / sum(d.count) AS rate
          FROM clavora.daily_keystrokes d
          WHERE d.learner = m.login AND d.day > s.today - 7 AND d.day <= s.today AND d.expected <> 0
          GROUP BY d.expected
          HAVING sum(d.count) >= ? AND sum(d.count) FILTER (WHERE d.struck <> d.expected) > 0
          ORDER BY rate DESC, d.expected
          LIMIT ?) key) k ON true
ORDER BY m.login
)";

std::optional<double> number(const QVariant& value)
{
    return value.isNull() ? std::nullopt : std::optional(value.toDouble());
}

QString characters(const QString& codes)
{
    QString keys;
    for (const QStringView code : QStringView(codes).split(u',', Qt::SkipEmptyParts))
        keys += QChar(char16_t(code.toUInt()));
    return keys;
}

// The five weeks from two arrays as the driver gives them, "{60,NULL,...}"; a week without
// attempts has no seconds and no speed.
std::vector<WeekFigures> weeks(const QString& seconds, const QString& speeds)
{
    const auto items = [](const QString& array) { return QStringView(array).mid(1, array.size() - 2).split(u','); };
    const QList<QStringView> secondsOfWeeks = items(seconds), speedsOfWeeks = items(speeds);
    std::vector<WeekFigures> figures;
    for (qsizetype week = 0; week < secondsOfWeeks.size() && week < speedsOfWeeks.size(); ++week) {
        bool isNumber = false;
        const double speed = speedsOfWeeks[week].toDouble(&isNumber);
        figures.push_back({secondsOfWeeks[week].toDouble() / 60, isNumber ? std::optional(speed) : std::nullopt});
    }
    return figures;
}

} // namespace

bool ClassRosterQuery::teaches(const QSqlDatabase& connection)
{
    QSqlQuery query(connection);
    return query.exec(QStringLiteral("SELECT pg_has_role(current_user, 'clavora_teacher', 'MEMBER')")) && query.next()
        && query.value(0).toBool();
}

ClassRoster ClassRosterQuery::read(const QSqlDatabase& connection, QDate today)
{
    ClassRoster roster;
    roster.teacher = true;
    roster.complete = true;
    QSqlDatabase database = connection;
    QSqlQuery query(connection);
    // A server before the goals has no course letters and no goals to show.
    const bool goals = ClassSchemaVersion::holds(connection, ClassSchemaVersion::Goals);
    const QString letters = goals ? QStringLiteral("(SELECT c.letters FROM clavora.course_letters c"
                                                   " WHERE c.learner = m.login)")
                                  : QStringLiteral("NULL");
    // The planner's estimate of the per-learner reads is far above their cost, and would
    // have the statement compiled, which takes longer than running it.
    const bool read = database.transaction() && query.exec(QStringLiteral("SET LOCAL jit = off")) && [&] {
        query = ClassStatement::run(connection, QLatin1String(RosterSql).arg(letters),
                                    {today.toString(Qt::ISODate), StrokesForRate, WeakestKeys});
        return query.lastError().type() == QSqlError::NoError;
    }();
    if (!read) {
        roster.problem = (query.lastError().isValid() ? query.lastError() : database.lastError()).text();
        database.rollback();
        return roster;
    }
    while (query.next()) {
        roster.learners.push_back({query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
            query.value(3).toDate(), query.value(4).toDouble(), query.value(5).toInt(), number(query.value(6)),
            number(query.value(7)), number(query.value(8)), number(query.value(9)),
            characters(query.value(10).toString()), query.value(11).toString(), {},
            weeks(query.value(12).toString(), query.value(13).toString())});
    }
    query.finish();
    if (goals) {
        roster.classes = ClassGoalsQuery::taught(connection, &roster.problem);
        for (LearnerFigures& learner : roster.learners)
            for (const TaughtClass& taught : roster.classes)
                if (taught.learners.contains(learner.login))
                    learner.goals = stricter(learner.goals, taught.goals);
    }
    database.commit();
    return roster;
}

} // namespace clavora
