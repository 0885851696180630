-- SPDX-License-Identifier: GPL-3.0-or-later
-- Adds learners and their classes to Clavora's class database from a CSV file read on
-- psql's standard input, a line per learner and class: login,full name,class. A first line
-- "login,..." names the columns and is passed over. Run it as a superuser:
--
--     psql -d clavora -v teacher=LOGIN -f import.sql < class.csv
--
-- It creates each login that does not exist yet as a learner's role (without a password:
-- set one, or let the school's authentication admit it), their learner row with the full
-- name, each class the file names that does not exist yet, taught by the `teacher` given
-- (a member of clavora_teacher; needed only for new classes), and the memberships. A line
-- met before is added once. Everything happens in one transaction: when any line is bad,
-- every bad line is named with its line number and nothing at all is added.

\set ON_ERROR_STOP on
\encoding UTF8
\if :{?teacher}
\else
\set teacher ''
\endif
SET client_min_messages = warning;
BEGIN;

CREATE TEMPORARY TABLE import_lines (
    line integer GENERATED ALWAYS AS IDENTITY, -- the file's line, as long as no field holds a line break
    login text,
    full_name text,
    class_name text) ON COMMIT DROP;
\copy import_lines (login, full_name, class_name) FROM pstdin WITH (FORMAT csv)
SELECT set_config('clavora.import_teacher', :'teacher', true) \g /dev/null

DO $import$
DECLARE
    new_classes_teacher text := current_setting('clavora.import_teacher');
    problems text[] := '{}';
    problem text;
    given record;
BEGIN
    -- A spreadsheet may begin its file with a byte order mark.
    UPDATE import_lines SET login = substr(login, 2) WHERE line = 1 AND left(login, 1) = U&'\FEFF';
    DELETE FROM import_lines WHERE line = 1 AND lower(trim(login)) = 'login';
    IF new_classes_teacher <> '' AND NOT EXISTS (SELECT FROM pg_roles r WHERE r.rolname = new_classes_teacher
                                     AND pg_has_role(r.oid, 'clavora_teacher', 'MEMBER')) THEN
        RAISE EXCEPTION 'The teacher "%" is no member of clavora_teacher: nothing was added', new_classes_teacher;
    END IF;
    FOR given IN SELECT * FROM import_lines ORDER BY line LOOP
        problem := CASE
            WHEN given.login IS NULL OR given.login !~ '^[a-z_][a-z0-9_.-]{0,62}$' THEN
                format('the login %s is not a name of lower-case letters, digits, ".", "-" and "_" that starts with a letter',
                       coalesce(quote_literal(given.login), 'is missing:'))
            WHEN char_length(coalesce(given.full_name, '')) > 200 OR given.full_name ~ '[[:cntrl:]]' THEN
                'the full name is longer than 200 characters or holds control characters'
            WHEN coalesce(trim(given.class_name), '') = '' OR char_length(given.class_name) > 100
                 OR given.class_name ~ '[[:cntrl:]]' THEN
                'the class is missing, longer than 100 characters or holds control characters'
            WHEN EXISTS (SELECT FROM import_lines o WHERE o.login = given.login AND o.line < given.line
                         AND o.full_name IS DISTINCT FROM given.full_name) THEN
                format('%L has another full name on line %s', given.login,
                       (SELECT min(o.line) FROM import_lines o WHERE o.login = given.login))
            WHEN EXISTS (SELECT FROM pg_roles r WHERE r.rolname = given.login
                         AND (r.rolsuper OR NOT pg_has_role(r.oid, 'clavora_learner', 'MEMBER'))) THEN
                format('the login %L belongs to a role that is not a learner''s', given.login)
            WHEN new_classes_teacher = '' AND NOT EXISTS (SELECT FROM clavora.classes c WHERE c.name = given.class_name) THEN
                format('there is no class %L: name the teacher of new classes with -v teacher=LOGIN', given.class_name)
        END;
        IF problem IS NOT NULL THEN
            problems := problems || format('line %s: %s', given.line, problem);
        END IF;
    END LOOP;
    IF cardinality(problems) > 0 THEN
        RAISE EXCEPTION E'% bad line(s), nothing was added:\n%', cardinality(problems), array_to_string(problems, E'\n');
    END IF;

    INSERT INTO clavora.classes (name, teacher)
        SELECT DISTINCT class_name, new_classes_teacher FROM import_lines ON CONFLICT (name) DO NOTHING;
    FOR given IN SELECT DISTINCT i.login FROM import_lines i
                 WHERE NOT EXISTS (SELECT FROM pg_roles r WHERE r.rolname = i.login) LOOP
        EXECUTE format('CREATE ROLE %I LOGIN IN ROLE clavora_learner CONNECTION LIMIT 4', given.login);
    END LOOP;
    INSERT INTO clavora.learners (login, full_name)
        SELECT DISTINCT login, coalesce(full_name, '') FROM import_lines
        ON CONFLICT (login) DO UPDATE SET full_name = excluded.full_name;
    INSERT INTO clavora.class_members (class_id, teacher, learner)
        SELECT DISTINCT c.id, c.teacher, i.login FROM import_lines i JOIN clavora.classes c ON c.name = i.class_name
        ON CONFLICT DO NOTHING;
END
$import$;

COMMIT;
