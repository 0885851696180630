# SPDX-License-Identifier: GPL-3.0-or-later
"""A learner's history written straight into the store, so that tests about what the program does
with a history need not type it first. The program creates the store; this only adds rows."""
import datetime
import subprocess

# QDate's Julian day of 0001-01-01 minus Python's ordinal of it.
JULIAN_OFFSET = 1721425
LETTERS = "abcdefghijklmnopqrstuvwxyz"
# Struck instead of each weak key: q is missed as w, p as o.
CONFUSED_WITH = {"q": "w", "p": "o"}


def julian_day(day):
    return day.toordinal() + JULIAN_OFFSET


def run_sql(store, statements):
    result = subprocess.run(["sqlite3", store], input=";\n".join(statements) + ";\n", capture_output=True,
                            text=True, timeout=30)
    if result.returncode != 0:
        raise RuntimeError(result.stderr)


def seed_history(store, weak="qp", days=5, minutes=6, strokes=100, weak_rate=0.4, other_rate=0.04):
    """`days` days in a row up to today, each with one attempt of `minutes` minutes. Every letter has
    `strokes` strokes a day; the `weak` ones are missed at `weak_rate`, the others at `other_rate`
    (ten times less by default), each miss struck as its confusion partner or as the next letter."""
    today = datetime.date.today()
    statements = ["BEGIN"]
    for back in range(days):
        day = today - datetime.timedelta(days=back)
        jd = julian_day(day)
        finished = datetime.datetime.combine(day, datetime.time(12, 0)).astimezone().isoformat(timespec="seconds")
        statements.append(
            "INSERT INTO attempts (finished, day, kind, quick_run, preset_file, exercise_number, exercise, typed,"
            " seconds, correct, accuracy, speed, correct_speed, passed)"
            f" VALUES ('{finished}', {jd}, 1, 0, '', 0, 'fj fj', 'fj fj', {minutes * 60}, 5, 100, 30, 30, 1)")
        for letter in LETTERS:
            rate = weak_rate if letter in weak else other_rate
            missed = round(strokes * rate)
            struck = CONFUSED_WITH.get(letter, LETTERS[(LETTERS.index(letter) + 1) % len(LETTERS)])
            for key, count in ((letter, strokes - missed), (struck, missed)):
                if count:
                    statements.append(
                        "INSERT INTO keystrokes (expected, struck, day, count, timed_count, interval_sum)"
                        f" VALUES ({ord(letter)}, {ord(key)}, {jd}, {count}, {count}, {count * 0.2})")
    statements.append("COMMIT")
    run_sql(store, statements)
