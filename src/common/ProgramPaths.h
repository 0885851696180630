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
    // The help in the person's language when it is there, else in English.
    QString helpFile() const { return fileForLanguage(folder_ + QStringLiteral("/Readme.txt"), language_); }
    // The language the program speaks ("de"); empty for English.
    void setLanguage(QString language) { language_ = std::move(language); }

private:
    QString folder_;
    QString executable_;
    QString language_;
};

} // namespace clavora
