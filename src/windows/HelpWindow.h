// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPlainTextEdit>

namespace clavora {

// The help text in a plain read-only window, for when no program on the desktop can show it.
class HelpWindow final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit HelpWindow(const QString& path);
};

} // namespace clavora
