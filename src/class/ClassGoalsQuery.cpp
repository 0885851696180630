// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassGoalsQuery.h"
#include "ClassStatement.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlError>

namespace clavora {
namespace {

// The goal columns of class_goals g, in the order goalsAt() reads them.
constexpr char GoalColumns[] = "g.accuracy_mark, g.speed_target, g.coach, g.layout, g.desktop_layout, g.weekly_minutes";

std::optional<int> whole(const QVariant& value)
{
    return value.isNull() ? std::nullopt : std::optional(value.toInt());
}

// A class without a row of goals reads as NULLs: every goal left to the learner.
ClassGoals goalsAt(const QSqlQuery& query, int first)
{
    return {whole(query.value(first)), whole(query.value(first + 1)), query.value(first + 2).toBool(),
        query.value(first + 3).toString(), query.value(first + 4).toString(), whole(query.value(first + 5))};
}

QString problemOf(const QSqlQuery& query)
{
    return query.lastError().type() == QSqlError::NoError ? QString() : query.lastError().text();
}

} // namespace

std::vector<TaughtClass> ClassGoalsQuery::taught(const QSqlDatabase& connection, QString* problem)
{
    // The teacher is named: a teacher who learns in another's class reads that class too.
    QSqlQuery query = ClassStatement::run(connection, QStringLiteral(
        "SELECT c.name, (SELECT coalesce(json_agg(m.learner ORDER BY m.learner), '[]') FROM clavora.class_members m"
        " WHERE m.class_id = c.id AND m.teacher = current_user), %1"
        " FROM clavora.classes c LEFT JOIN clavora.class_goals g ON g.class_id = c.id"
        " WHERE c.teacher = current_user ORDER BY c.name").arg(QLatin1String(GoalColumns)));
    std::vector<TaughtClass> classes;
    while (query.next()) {
        QStringList learners;
        for (const QJsonValue login : QJsonDocument::fromJson(query.value(1).toByteArray()).array())
            learners << login.toString();
        classes.push_back({query.value(0).toString(), goalsAt(query, 2), learners});
    }
    *problem = problemOf(query);
    return classes;
}

std::optional<ClassGoals> ClassGoalsQuery::followed(const QSqlDatabase& connection, QString* problem)
{
    // The membership is named: a teacher who learns follows their classes as a learner only.
    QSqlQuery query = ClassStatement::run(connection, QStringLiteral(
        "SELECT %1 FROM clavora.class_goals g JOIN clavora.class_members m ON m.class_id = g.class_id"
        " JOIN clavora.classes c ON c.id = g.class_id"
        " WHERE m.learner = current_user ORDER BY c.name").arg(QLatin1String(GoalColumns)));
    ClassGoals goals;
    while (query.next())
        goals = stricter(goals, goalsAt(query, 0));
    *problem = problemOf(query);
    return problem->isEmpty() ? std::optional(goals) : std::nullopt;
}

QString ClassGoalsQuery::write(const QSqlDatabase& connection, const QString& className, const ClassGoals& goals)
{
    const auto orNull = [](std::optional<int> value) { return value ? QVariant(*value) : QVariant(); };
    const QSqlQuery query = ClassStatement::run(connection, QStringLiteral(
        "INSERT INTO clavora.class_goals AS g (class_id, accuracy_mark, speed_target, coach, layout, desktop_layout,"
        " weekly_minutes) SELECT c.id, CAST(? AS smallint), CAST(? AS smallint), ?, ?, ?, CAST(? AS smallint)"
        " FROM clavora.classes c WHERE c.name = ? AND c.teacher = current_user"
        " ON CONFLICT (class_id) DO UPDATE SET accuracy_mark = excluded.accuracy_mark,"
        " speed_target = excluded.speed_target, coach = excluded.coach, layout = excluded.layout,"
        " desktop_layout = excluded.desktop_layout, weekly_minutes = excluded.weekly_minutes"),
        {orNull(goals.accuracyMark), orNull(goals.speedTarget), goals.coach, goals.layoutFile, goals.desktopLayout,
            orNull(goals.weeklyMinutes), className});
    if (const QString problem = problemOf(query); !problem.isEmpty())
        return problem;
    return query.numRowsAffected() == 1 ? QString()
                                        : QCoreApplication::translate("ClassGoalsQuery", "You teach no class named \"%1\".")
                                              .arg(className);
}

QString ClassGoalsQuery::sendLetters(const QSqlDatabase& connection, const QString& letters)
{
    return problemOf(ClassStatement::run(connection, QStringLiteral(
        "INSERT INTO clavora.course_letters (letters) VALUES (?)"
        " ON CONFLICT (learner) DO UPDATE SET letters = excluded.letters, sent = now()"
        " WHERE course_letters.letters IS DISTINCT FROM excluded.letters"), {letters}));
}

} // namespace clavora
