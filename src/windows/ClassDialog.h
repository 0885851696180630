// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;

namespace clavora {

// "Class…": names the class server this learner's records go to. It takes only what may
// be kept in the settings file, and says why not otherwise.
class ClassDialog final : public QDialog {
    Q_OBJECT
public:
    explicit ClassDialog(const QString& server, QWidget* parent = nullptr);

    // The server as chosen, without surrounding blanks; empty: no class.
    QString server() const;

    void accept() override;

private:
    QLineEdit* serverEdit_;
    QLabel* refusalLabel_;
};

} // namespace clavora
