// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "FileNames.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace clavora {

// Every file the program reads or writes is named here. Portable, the program's folder holds
// everything. Installed, the settings and the user's own files are in the XDG folders of the
// account and the shipped exercises, layouts and help in <prefix>/share/clavora.
class ProgramPaths {
public:
    ProgramPaths() = default;
    // Portable: every file in `folder`.
    ProgramPaths(QString folder, QString executable);
    // Installed: the settings in `configFolder`, the user's files in `userFolder`, the shipped
    // ones in `sharedFolder`.
    ProgramPaths(QString executable, QString configFolder, QString userFolder, QString sharedFolder);

    // The mode `executable` runs in: installed when it sits in <prefix>/bin beside
    // <prefix>/share/clavora, or when its folder cannot be written; portable otherwise.
    static ProgramPaths forProgram(const QString& executable, bool folderWritable,
                                   const QProcessEnvironment& environment);

    bool installed() const { return installed_; }
    const QString& executable() const { return executable_; }
    QString settingsFile() const { return configFolder_ + QStringLiteral("/Clavora.ini"); }
    QString logsFolder() const { return userFolder_ + QStringLiteral("/Logs"); }
    // Beside the settings when portable, among the user's files when installed.
    QString historyFile() const { return userFolder_ + QStringLiteral("/History.sqlite"); }
    // The Coach's last strokes of each key, beside the history.
    QString recentStrokesFile() const { return userFolder_ + QStringLiteral("/Coach strokes.txt"); }
    // The user's folder first, then the shipped one; one folder when portable.
    QStringList exercisesFolders() const { return folders(QStringLiteral("/Exercises")); }
    QStringList layoutsFolders() const { return folders(QStringLiteral("/Layouts")); }
    // The user's file of that name when there is one, else the shipped one. A stored name
    // finds its file whatever the case of its letters, as the lists the user picks from show it.
    QString presetFile(const QString& name) const { return firstExisting(exercisesFolders(), name + QStringLiteral(".txt")); }
    QString layoutFile(const QString& name) const { return firstExisting(layoutsFolders(), name + QStringLiteral(".kbl")); }
    // The word lists shipped for the Coach's course.
    QString wordsFolder() const { return sharedFolder_ + QStringLiteral("/Words"); }
    // The help in the person's language when it is there, else in English.
    QString helpFile() const { return fileForLanguage(sharedFolder_ + QStringLiteral("/Readme.txt"), language_); }
    // The language the program speaks ("de"); empty for English.
    void setLanguage(QString language) { language_ = std::move(language); }

private:
    QStringList folders(const QString& name) const;
    static QString firstExisting(const QStringList& folders, const QString& fileName);

    bool installed_ = false;
    QString executable_;
    QString configFolder_;
    QString userFolder_;
    QString sharedFolder_;
    QString language_;
};

} // namespace clavora
