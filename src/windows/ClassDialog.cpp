// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassDialog.h"
#include "settings/ClassServerCheck.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace clavora {

ClassDialog::ClassDialog(const QString& server, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Class"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize); // grows when a refusal shows
    auto* label = new QLabel(tr("&Server of your class:"));
    serverEdit_ = new QLineEdit(server);
    serverEdit_->setObjectName(QStringLiteral("ServerEdit"));
    serverEdit_->setPlaceholderText(QStringLiteral("service=clavora-class"));
    const int width = serverEdit_->fontMetrics().averageCharWidth() * 60;
    serverEdit_->setMinimumWidth(width);
    label->setBuddy(serverEdit_);
    auto* note = new QLabel(tr("As your school gave it, such as service=clavora-class or host=school.example "
                               "dbname=clavora sslmode=verify-full. Leave it empty to leave the class.\n"
                               "Your password belongs in ~/.pgpass or in the service file, never here."));
    note->setObjectName(QStringLiteral("ServerNote"));
    note->setWordWrap(true);
    note->setMinimumWidth(width); // wrapped labels ask for their height at this width
    refusalLabel_ = new QLabel;
    refusalLabel_->setObjectName(QStringLiteral("RefusalLabel"));
    refusalLabel_->setWordWrap(true);
    refusalLabel_->setMinimumWidth(width);
    refusalLabel_->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    layout->addWidget(label);
    layout->addWidget(serverEdit_);
    layout->addWidget(note);
    layout->addWidget(refusalLabel_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ClassDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ClassDialog::reject);
}

QString ClassDialog::server() const
{
    return serverEdit_->text().trimmed();
}

void ClassDialog::accept()
{
    const QString refusal = ClassServerCheck::refusal(serverEdit_->text());
    refusalLabel_->setText(refusal);
    refusalLabel_->setVisible(!refusal.isEmpty());
    if (refusal.isEmpty())
        QDialog::accept();
}

} // namespace clavora
