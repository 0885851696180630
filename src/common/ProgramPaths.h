#pragma once
#include "FileNames.h"

#include <QString>

namespace clavora {

// Every file the program reads or writes is named here, relative to the program's folder.
class ProgramPaths {
public:
    ProgramPaths() = default;
    ProgramPaths(QString folder, QString executable)
        : folder_(std::move(folder)), executable_(std::move(executable)) {}

    const QString& folder() const { return folder_; }
    const QString& executable() const { return executable_; }
    QString settingsFile() const { return folder_ + QStringLiteral("/Clavora.ini"); }
    QString exercisesFolder() const { return folder_ + QStringLiteral("/Exercises"); }
    QString layoutsFolder() const { return folder_ + QStringLiteral("/Layouts"); }
    QString logsFolder() const { return folder_ + QStringLiteral("/Logs"); }
        // A stored name finds its file whatever the case of its letters, as it did where the
    // file system ignores case.
    QString presetFile(const QString& name) const
    {
        return fileIgnoringCase(exercisesFolder(), name + QStringLiteral(".txt"));
    }
    QString layoutFile(const QString& name) const
    {
        return fileIgnoringCase(layoutsFolder(), name + QStringLiteral(".kbl"));
    }
    QString helpFile() const { return folder_ + QStringLiteral("/Readme.txt"); }

private:
    QString folder_;
    QString executable_;
};

} // namespace clavora
