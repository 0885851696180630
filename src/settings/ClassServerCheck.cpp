// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassServerCheck.h"
#include "ProfileFile.h"

#include <QRegularExpression>

namespace clavora {

QString ClassServerCheck::refusal(const QString& server)
{
    // Any keyword that carries a secret (password, sslpassword, and such as libpq may add)
    // anywhere, also as a URI's query parameter, or a URI's user:password@.
    static const QRegularExpression password(
        QStringLiteral(R"(\b[a-z_]*(password|secret)\s*=|^\s*postgres(ql)?://[^/?#@]*:[^/?#@]*@)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression control(QStringLiteral(R"([\x00-\x1f\x7f])"));
    // What the PostgreSQL driver passes on to libpq: keyword=value pairs, not URIs.
    static const QRegularExpression pairs(QStringLiteral(R"(^\s*$|^\s*[a-z_]+\s*=)"));
    if (server.contains(password))
        return tr("A password does not belong here: the settings file would keep it for anyone to read. "
                  "Put it in ~/.pgpass or in the service file, and name the server without it.");
    if (server.contains(control))
        return tr("The server must be written on one line.");
    if (!server.contains(pairs))
        return tr("Name the server as keyword=value pairs, such as service=clavora-class or "
                  "host=school.example dbname=clavora.");
    if (server.trimmed().size() > ProfileFile::MaxText)
        return tr("The server is longer than the %1 characters the settings file keeps.").arg(ProfileFile::MaxText);
    return {};
}

} // namespace clavora
