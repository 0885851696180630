-- SPDX-License-Identifier: GPL-3.0-or-later
-- Clavora's class server: the tables learners send their attempts, key figures and games
-- to, the two group roles, and the row-level security that keeps each learner's rows their
-- own and shows a teacher only the learners of their own classes.
--
-- Load it as a superuser into the class's database (psql -d clavora -f schema.sql); loading
-- it again brings an older schema up to date and leaves a current one as it is. Every table
-- forces row-level security, so its owner reads it through the policies like anyone else:
-- manage learners and classes as a superuser (or as a role with BYPASSRLS).
--
-- Identity is the login role (current_user), never a value the client chooses: the learner
-- column defaults to it and the policies reject any other. Attempts and games are keyed by
-- a UUID the client makes, so that sending them again (INSERT ... ON CONFLICT DO NOTHING)
-- stores them once; each row names the machine that made it, so that a learner's other
-- machines fetch it and the one that made it does not. Per-day key figures are each machine's running totals for the day,
-- keyed by that machine's UUID; resending raises them to the larger value
-- (ON CONFLICT ... DO UPDATE SET count = GREATEST(...)), so a late or repeated send never
-- lowers or doubles them.
--
-- Texts are UTF-8; PostgreSQL text cannot hold U+0000, so the client sends U+FFFD in its
-- place.
--
-- Migrations are numbered like the local store's: step n turns migration n - 1 into
-- migration n and is never changed once shipped; a database of a later migration is left
-- untouched. clavora.schema_version keeps two numbers: `migration`, the last step loaded, and
-- `version`, the oldest program's schema version the database still serves. A step that only
-- adds (a table, a column with a default, a check the program's own rows meet) leaves
-- `version` as it is, so that every program already installed goes on sending; a step that
-- would break older programs raises it to the first program that copes, and older programs
-- then say the server is newer and send nothing.

\set ON_ERROR_STOP on
SET client_min_messages = warning; -- no notices for what a second load finds in place
BEGIN;

-- Who may connect at all, and nobody creates objects in the public schema.
DO $access$
DECLARE
    learner name;
BEGIN
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'clavora_learner') THEN
        CREATE ROLE clavora_learner NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'clavora_teacher') THEN
        CREATE ROLE clavora_teacher NOLOGIN;
    END IF;
    EXECUTE format('REVOKE ALL ON DATABASE %I FROM PUBLIC', current_database());
    EXECUTE format('GRANT CONNECT ON DATABASE %I TO clavora_learner, clavora_teacher', current_database());
    REVOKE CREATE ON SCHEMA public FROM PUBLIC;
    -- A learner's programs need a connection each for a moment: a learner who opens more
    -- does not lock the class out. Loading this file again limits learners added since.
    FOR learner IN SELECT r.rolname FROM pg_roles r JOIN pg_auth_members m ON m.member = r.oid
                   WHERE m.roleid = 'clavora_learner'::regrole AND r.rolconnlimit = -1
                   AND NOT r.rolsuper AND NOT pg_has_role(r.oid, 'clavora_teacher', 'MEMBER') LOOP
        EXECUTE format('ALTER ROLE %I CONNECTION LIMIT 4', learner);
    END LOOP;
END
$access$;

CREATE SCHEMA IF NOT EXISTS clavora;
REVOKE ALL ON SCHEMA clavora FROM PUBLIC;
GRANT USAGE ON SCHEMA clavora TO clavora_learner, clavora_teacher;

CREATE TABLE IF NOT EXISTS clavora.schema_version (
    single boolean PRIMARY KEY DEFAULT true CHECK (single),
    version integer NOT NULL);
INSERT INTO clavora.schema_version (version) VALUES (0) ON CONFLICT DO NOTHING;
-- Migration 1 wrote `version` alone, which was then also the last step loaded.
ALTER TABLE clavora.schema_version ADD COLUMN IF NOT EXISTS migration integer;
UPDATE clavora.schema_version SET migration = version WHERE migration IS NULL;
ALTER TABLE clavora.schema_version ALTER COLUMN migration SET DEFAULT 0, ALTER COLUMN migration SET NOT NULL;
GRANT SELECT ON clavora.schema_version TO clavora_learner, clavora_teacher;

DO $newer$
DECLARE
    stored integer := (SELECT migration FROM clavora.schema_version);
BEGIN
    IF stored > 3 THEN
        RAISE EXCEPTION 'The class database has migration %, newer than this file''s 3: left as it is', stored;
    END IF;
END
$newer$;

-- Erasing a learner, for a school's data requests: their learner row and, with it, every
-- attempt, key figure, game, count and class membership of theirs; their login may no longer
-- log in, so that their programs do not send their records back. Only the administrator
-- calls it: SELECT clavora.erase_learner('anna'). It returns the attempts and games erased
-- and refuses a login that is no learner. Made anew at every load: it keeps no data.
CREATE OR REPLACE FUNCTION clavora.erase_learner(erased text) RETURNS bigint
    LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp AS $erase$
DECLARE
    records bigint;
BEGIN
    SELECT (SELECT count(*) FROM clavora.attempts WHERE learner = erased)
           + (SELECT count(*) FROM clavora.games WHERE learner = erased) INTO records;
    DELETE FROM clavora.learners WHERE login = erased;
    IF NOT FOUND THEN
        RAISE EXCEPTION 'No learner is called %', erased USING ERRCODE = 'no_data_found';
    END IF;
    IF EXISTS (SELECT FROM pg_roles WHERE rolname = erased) THEN
        EXECUTE format('ALTER ROLE %I NOLOGIN', erased);
    END IF;
    RETURN records;
END
$erase$;
REVOKE ALL ON FUNCTION clavora.erase_learner(text) FROM PUBLIC;

-- Version 1: learners, classes, attempts, per-day key figures, games.
DO $step1$
DECLARE
    data text;
BEGIN
    IF (SELECT migration FROM clavora.schema_version) >= 1 THEN
        RETURN;
    END IF;

    -- Checks hold only what the program's records cannot break: a row the server refused
    -- would stay in the learner's queue for good.
    --
    -- login is the learner's own role; renaming the role means updating it here too, and
    -- every row follows.
    CREATE TABLE clavora.learners (
        login text PRIMARY KEY,
        full_name text NOT NULL DEFAULT '');
    CREATE TABLE clavora.classes (
        id integer GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
        name text NOT NULL UNIQUE,
        teacher text NOT NULL, -- the teacher's login role
        UNIQUE (id, teacher));
    -- The class's teacher is repeated (and kept in step by the key) so that the policies
    -- never read classes and class_members through each other: a role that is both a
    -- learner and a teacher would otherwise meet endless recursion.
    CREATE TABLE clavora.class_members (
        class_id integer NOT NULL,
        teacher text NOT NULL,
        learner text NOT NULL REFERENCES clavora.learners ON UPDATE CASCADE ON DELETE CASCADE,
        PRIMARY KEY (class_id, learner),
        FOREIGN KEY (class_id, teacher) REFERENCES clavora.classes (id, teacher)
            ON UPDATE CASCADE ON DELETE CASCADE);
    CREATE INDEX class_members_by_teacher ON clavora.class_members (teacher, learner);
    CREATE INDEX class_members_by_learner ON clavora.class_members (learner);

    CREATE TABLE clavora.attempts (
        learner text NOT NULL DEFAULT current_user
            REFERENCES clavora.learners ON UPDATE CASCADE ON DELETE CASCADE,
        id uuid NOT NULL,
        machine uuid NOT NULL, -- the learner's machine that made it
        finished timestamptz NOT NULL,
        day date NOT NULL, -- the learner's local day
        kind smallint NOT NULL CHECK (kind IN (0, 1)), -- 0 preset, 1 random
        quick_run boolean NOT NULL,
        preset_file text NOT NULL,
        exercise_number integer NOT NULL,
        exercise text NOT NULL,
        typed text NOT NULL,
        seconds double precision NOT NULL,
        correct integer NOT NULL,
        accuracy integer NOT NULL CHECK (accuracy BETWEEN 0 AND 100),
        speed integer NOT NULL,
        correct_speed integer NOT NULL,
        passed boolean NOT NULL,
        PRIMARY KEY (learner, id));
    -- Covering the teacher's Class page, which reads a learner's recent weeks from the index alone.
    CREATE INDEX attempts_by_day ON clavora.attempts (learner, day) INCLUDE (seconds, speed, accuracy);

    -- Characters are UTF-16 code units as the local store keeps them; 0 is a key struck
    -- past the end of the exercise.
    CREATE TABLE clavora.daily_keystrokes (
        learner text NOT NULL DEFAULT current_user
            REFERENCES clavora.learners ON UPDATE CASCADE ON DELETE CASCADE,
        day date NOT NULL,
        machine uuid NOT NULL,
        expected integer NOT NULL CHECK (expected BETWEEN 0 AND 65535),
        struck integer NOT NULL CHECK (struck BETWEEN 0 AND 65535),
        count integer NOT NULL CHECK (count >= 0),
        timed_count integer NOT NULL CHECK (timed_count >= 0),
        interval_sum double precision NOT NULL, -- seconds
        -- count too, for the Class page's weakest keys from the index alone
        PRIMARY KEY (learner, day, machine, expected, struck) INCLUDE (count));
    CREATE TABLE clavora.daily_line_edits (
        learner text NOT NULL DEFAULT current_user
            REFERENCES clavora.learners ON UPDATE CASCADE ON DELETE CASCADE,
        day date NOT NULL,
        machine uuid NOT NULL,
        mid_line_edits integer NOT NULL CHECK (mid_line_edits >= 0),
        backspaces integer NOT NULL CHECK (backspaces >= 0),
        PRIMARY KEY (learner, day, machine));

    CREATE TABLE clavora.games (
        learner text NOT NULL DEFAULT current_user
            REFERENCES clavora.learners ON UPDATE CASCADE ON DELETE CASCADE,
        id uuid NOT NULL,
        machine uuid NOT NULL,
        started timestamptz NOT NULL,
        ended timestamptz NOT NULL,
        day date NOT NULL,
        start_level integer NOT NULL,
        level_reached integer NOT NULL,
        score bigint NOT NULL,
        PRIMARY KEY (learner, id));
    CREATE INDEX games_by_day ON clavora.games (learner, day);
    CREATE TABLE clavora.game_letters (
        learner text NOT NULL DEFAULT current_user,
        game uuid NOT NULL,
        letter integer NOT NULL CHECK (letter BETWEEN 0 AND 65535),
        hits integer NOT NULL CHECK (hits >= 0),
        hit_seconds double precision NOT NULL,
        explosions integer NOT NULL CHECK (explosions >= 0),
        stray_keys integer NOT NULL CHECK (stray_keys >= 0),
        PRIMARY KEY (learner, game, letter),
        FOREIGN KEY (learner, game) REFERENCES clavora.games ON UPDATE CASCADE ON DELETE CASCADE);

    -- A learner sees their own learner row, memberships and classes; a teacher sees their
    -- classes, their members and those learners.
    ALTER TABLE clavora.learners ENABLE ROW LEVEL SECURITY;
    ALTER TABLE clavora.learners FORCE ROW LEVEL SECURITY;
    CREATE POLICY learner_self ON clavora.learners FOR SELECT TO clavora_learner
        USING (login = current_user);
    CREATE POLICY teacher_members ON clavora.learners FOR SELECT TO clavora_teacher
        USING (EXISTS (SELECT FROM clavora.class_members m
                       WHERE m.learner = learners.login AND m.teacher = current_user));
    ALTER TABLE clavora.classes ENABLE ROW LEVEL SECURITY;
    ALTER TABLE clavora.classes FORCE ROW LEVEL SECURITY;
    CREATE POLICY learner_member ON clavora.classes FOR SELECT TO clavora_learner
        USING (EXISTS (SELECT FROM clavora.class_members m
                       WHERE m.class_id = classes.id AND m.learner = current_user));
    CREATE POLICY teacher_own ON clavora.classes FOR SELECT TO clavora_teacher
        USING (teacher = current_user);
    ALTER TABLE clavora.class_members ENABLE ROW LEVEL SECURITY;
    ALTER TABLE clavora.class_members FORCE ROW LEVEL SECURITY;
    CREATE POLICY learner_self ON clavora.class_members FOR SELECT TO clavora_learner
        USING (learner = current_user);
    CREATE POLICY teacher_own ON clavora.class_members FOR SELECT TO clavora_teacher
        USING (teacher = current_user);
    GRANT SELECT ON clavora.learners, clavora.classes, clavora.class_members
        TO clavora_learner, clavora_teacher;

    -- The learner's data: their own rows to read and add (and, for the day totals, to
    -- raise); a teacher reads those of the learners in their classes.
    FOREACH data IN ARRAY ARRAY['attempts', 'daily_keystrokes', 'daily_line_edits', 'games', 'game_letters'] LOOP
        EXECUTE format('ALTER TABLE clavora.%I ENABLE ROW LEVEL SECURITY', data);
        EXECUTE format('ALTER TABLE clavora.%I FORCE ROW LEVEL SECURITY', data);
        EXECUTE format('CREATE POLICY learner_own ON clavora.%I TO clavora_learner'
                       ' USING (learner = current_user) WITH CHECK (learner = current_user)', data);
        EXECUTE format('CREATE POLICY teacher_members ON clavora.%I FOR SELECT TO clavora_teacher'
                       ' USING (EXISTS (SELECT FROM clavora.class_members m'
                       ' WHERE m.learner = %I.learner AND m.teacher = current_user))', data, data);
        EXECUTE format('GRANT SELECT, INSERT ON clavora.%I TO clavora_learner', data);
        EXECUTE format('GRANT SELECT ON clavora.%I TO clavora_teacher', data);
    END LOOP;
    GRANT UPDATE (count, timed_count, interval_sum) ON clavora.daily_keystrokes TO clavora_learner;
    GRANT UPDATE (mid_line_edits, backspaces) ON clavora.daily_line_edits TO clavora_learner;

    UPDATE clavora.schema_version SET version = 1, migration = 1;
END
$step1$;

-- Migration 2: what a row may hold, so that no learner stores a row another machine or the
-- teacher's Class page cannot use (a seconds of NaN, a day no calendar holds, megabytes of
-- text); learners lose what they never need. Rows already stored are not checked
-- (NOT VALID): an administrator checks them with ALTER TABLE ... VALIDATE CONSTRAINT after
-- removing any that break them. Programs of version 1 keep working.
DO $step2$
BEGIN
    IF (SELECT migration FROM clavora.schema_version) >= 2 THEN
        RETURN;
    END IF;

    -- NaN compares above every number in PostgreSQL, so an upper bound also refuses it.
    ALTER TABLE clavora.attempts
        ADD CONSTRAINT attempt_figures CHECK (
            seconds BETWEEN 0 AND 1e9 AND correct BETWEEN 0 AND 1000000 AND exercise_number BETWEEN 0 AND 1000000
            AND speed BETWEEN 0 AND 1000000 AND correct_speed BETWEEN 0 AND 1000000) NOT VALID,
        ADD CONSTRAINT attempt_moments CHECK (
            day BETWEEN '1900-01-01' AND '9999-12-31'
            AND finished BETWEEN '1900-01-02 00:00+00' AND '9999-12-30 00:00+00') NOT VALID,
        ADD CONSTRAINT attempt_texts CHECK (
            char_length(preset_file) <= 4096 AND char_length(exercise) <= 10000
            AND char_length(typed) <= 10000) NOT VALID;
    ALTER TABLE clavora.games
        ADD CONSTRAINT game_figures CHECK (
            start_level BETWEEN 0 AND 65535 AND level_reached BETWEEN 0 AND 65535 AND score >= 0) NOT VALID,
        ADD CONSTRAINT game_moments CHECK (
            day BETWEEN '1900-01-01' AND '9999-12-31'
            AND started BETWEEN '1900-01-02 00:00+00' AND '9999-12-30 00:00+00'
            AND ended BETWEEN '1900-01-02 00:00+00' AND '9999-12-30 00:00+00') NOT VALID;
    ALTER TABLE clavora.game_letters
        ADD CONSTRAINT letter_figures CHECK (
            hit_seconds BETWEEN 0 AND 1e9 AND hits <= 1000000000) NOT VALID;
    ALTER TABLE clavora.daily_keystrokes
        ADD CONSTRAINT keystroke_figures CHECK (
            day BETWEEN '1900-01-01' AND '9999-12-31' AND interval_sum BETWEEN 0 AND 1e9
            AND timed_count <= count) NOT VALID;
    ALTER TABLE clavora.daily_line_edits
        ADD CONSTRAINT line_edit_days CHECK (day BETWEEN '1900-01-01' AND '9999-12-31') NOT VALID;

    -- How many attempts and games each machine has stored, kept as rows arrive, so that a
    -- machine compares its own count with one row when it connects and sends again what a
    -- restore or a failover lost. Written by the trigger alone.
    CREATE TABLE clavora.machine_totals (
        learner text NOT NULL REFERENCES clavora.learners ON UPDATE CASCADE ON DELETE CASCADE,
        machine uuid NOT NULL,
        attempts bigint NOT NULL DEFAULT 0,
        games bigint NOT NULL DEFAULT 0,
        PRIMARY KEY (learner, machine));
    INSERT INTO clavora.machine_totals (learner, machine, attempts)
        SELECT learner, machine, count(*) FROM clavora.attempts GROUP BY learner, machine;
    INSERT INTO clavora.machine_totals AS t (learner, machine, games)
        SELECT learner, machine, count(*) FROM clavora.games GROUP BY learner, machine
        ON CONFLICT (learner, machine) DO UPDATE SET games = excluded.games;
    CREATE FUNCTION clavora.count_arrivals() RETURNS trigger LANGUAGE plpgsql SECURITY DEFINER
        SET search_path = pg_catalog, pg_temp AS $count$
    BEGIN
        -- The rows a statement stored; those ON CONFLICT DO NOTHING passed over are not among them.
        IF TG_TABLE_NAME = 'attempts' THEN
            INSERT INTO clavora.machine_totals AS t (learner, machine, attempts)
                SELECT learner, machine, count(*) FROM arrived GROUP BY learner, machine
                ON CONFLICT (learner, machine) DO UPDATE SET attempts = t.attempts + excluded.attempts;
        ELSE
            INSERT INTO clavora.machine_totals AS t (learner, machine, games)
                SELECT learner, machine, count(*) FROM arrived GROUP BY learner, machine
                ON CONFLICT (learner, machine) DO UPDATE SET games = t.games + excluded.games;
        END IF;
        RETURN NULL;
    END
    $count$;
    REVOKE ALL ON FUNCTION clavora.count_arrivals() FROM PUBLIC;
    CREATE TRIGGER attempts_counted AFTER INSERT ON clavora.attempts REFERENCING NEW TABLE AS arrived
        FOR EACH STATEMENT EXECUTE FUNCTION clavora.count_arrivals();
    CREATE TRIGGER games_counted AFTER INSERT ON clavora.games REFERENCING NEW TABLE AS arrived
        FOR EACH STATEMENT EXECUTE FUNCTION clavora.count_arrivals();
    ALTER TABLE clavora.machine_totals ENABLE ROW LEVEL SECURITY;
    ALTER TABLE clavora.machine_totals FORCE ROW LEVEL SECURITY;
    CREATE POLICY learner_own ON clavora.machine_totals FOR SELECT TO clavora_learner
        USING (learner = current_user);
    CREATE POLICY teacher_members ON clavora.machine_totals FOR SELECT TO clavora_teacher
        USING (EXISTS (SELECT FROM clavora.class_members m
                       WHERE m.learner = machine_totals.learner AND m.teacher = current_user));
    GRANT SELECT ON clavora.machine_totals TO clavora_learner, clavora_teacher;

    -- Nobody but the administrator lists the logins of the cluster from this database.
    REVOKE SELECT ON pg_catalog.pg_roles, pg_catalog.pg_user, pg_catalog.pg_auth_members FROM PUBLIC;
    -- Large objects live outside the tables and their policies: nobody but the
    -- administrator makes them in this database.
    REVOKE EXECUTE ON FUNCTION lo_create(oid), lo_creat(integer), lo_import(text), lo_import(text, oid),
        lo_from_bytea(oid, bytea) FROM PUBLIC;

    UPDATE clavora.schema_version SET migration = 2;
END
$step2$;


-- Migration 3: the goals a teacher sets for each class, which their learners' programs
-- follow, and the letters each learner's Coach has unlocked, which the Class page shows.
-- Only adds: programs of version 1 keep working and never read them.
DO $step3$
BEGIN
    IF (SELECT migration FROM clavora.schema_version) >= 3 THEN
        RETURN;
    END IF;

    -- A goal left NULL (or a layout left empty) is the learner's own choice. The teacher is
    -- repeated from the class, as in class_members, so that the policies read no other table
    -- than class_members, and the key keeps each row to a class of that teacher.
    CREATE TABLE clavora.class_goals (
        class_id integer PRIMARY KEY,
        teacher text NOT NULL DEFAULT current_user,
        accuracy_mark smallint CHECK (accuracy_mark BETWEEN 0 AND 100), -- %, the Coach's mark
        speed_target smallint CHECK (speed_target BETWEEN 0 AND 300), -- words per minute
        coach boolean NOT NULL DEFAULT false, -- the Coach on for the class's learners
        layout text NOT NULL DEFAULT '' CHECK (char_length(layout) <= 255), -- as [KeyLayout] Layout keeps it
        desktop_layout text NOT NULL DEFAULT '' CHECK (char_length(desktop_layout) <= 255), -- as DesktopLayout
        weekly_minutes smallint CHECK (weekly_minutes BETWEEN 0 AND 10080),
        FOREIGN KEY (class_id, teacher) REFERENCES clavora.classes (id, teacher)
            ON UPDATE CASCADE ON DELETE CASCADE);
    ALTER TABLE clavora.class_goals ENABLE ROW LEVEL SECURITY;
    ALTER TABLE clavora.class_goals FORCE ROW LEVEL SECURITY;
    CREATE POLICY teacher_own ON clavora.class_goals TO clavora_teacher
        USING (teacher = current_user) WITH CHECK (teacher = current_user);
    CREATE POLICY learner_member ON clavora.class_goals FOR SELECT TO clavora_learner
        USING (EXISTS (SELECT FROM clavora.class_members m
                       WHERE m.class_id = class_goals.class_id AND m.learner = current_user));
    GRANT SELECT ON clavora.class_goals TO clavora_learner, clavora_teacher;
    GRANT INSERT (class_id, accuracy_mark, speed_target, coach, layout, desktop_layout, weekly_minutes),
        UPDATE (accuracy_mark, speed_target, coach, layout, desktop_layout, weekly_minutes), DELETE
        ON clavora.class_goals TO clavora_teacher;

    -- The letters the learner's Coach has unlocked, as their program last sent them.
    CREATE TABLE clavora.course_letters (
        learner text PRIMARY KEY DEFAULT current_user
            REFERENCES clavora.learners ON UPDATE CASCADE ON DELETE CASCADE,
        letters text NOT NULL CHECK (char_length(letters) <= 1000),
        sent timestamptz NOT NULL DEFAULT now());
    ALTER TABLE clavora.course_letters ENABLE ROW LEVEL SECURITY;
    ALTER TABLE clavora.course_letters FORCE ROW LEVEL SECURITY;
    CREATE POLICY learner_own ON clavora.course_letters TO clavora_learner
        USING (learner = current_user) WITH CHECK (learner = current_user);
    CREATE POLICY teacher_members ON clavora.course_letters FOR SELECT TO clavora_teacher
        USING (EXISTS (SELECT FROM clavora.class_members m
                       WHERE m.learner = course_letters.learner AND m.teacher = current_user));
    GRANT SELECT, INSERT (letters, sent), UPDATE (letters, sent) ON clavora.course_letters TO clavora_learner;
    GRANT SELECT ON clavora.course_letters TO clavora_teacher;

    UPDATE clavora.schema_version SET migration = 3;
END
$step3$;

COMMIT;
