// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtServices.h"

#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QTime>
#include <QUrl>

namespace clavora {

SystemClock::SystemClock() : startMilliseconds_(QTime::currentTime().msecsSinceStartOfDay())
{
    sinceStart_.start();
}

double SystemClock::secondsSinceMidnight() const
{
    constexpr qint64 DayMilliseconds = 24 * 60 * 60 * 1000;
    return double((startMilliseconds_ + sinceStart_.elapsed()) % DayMilliseconds) / 1000.0;
}

QDateTime SystemClock::localDateTime() const
{
    return QDateTime::currentDateTime();
}

double MersenneRandom::next()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}

SystemClipboard::SystemClipboard()
{
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &SystemClipboard::refresh);
    refresh();
}

void SystemClipboard::refresh()
{
    // Asked for text alone: asking the clipboard which formats it holds makes Qt load every
    // image format plugin. An empty text guards nothing, so it counts as none.
    text_ = QGuiApplication::clipboard()->text();
    hasText_ = !text_.isEmpty();
}

void SystemClipboard::setText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    text_ = text;
    hasText_ = true;
}

void DesktopShell::open(const QString& path)
{
    // Without a parent: a viewer that xdg-open still waits for when the program ends is left
    // running rather than killed with it.
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(process, &QProcess::errorOccurred, this, [this, process, path](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return; // a crash also ends in `finished`
        process->deleteLater();
        emit openFailed(path);
    });
    connect(process, &QProcess::finished, this, [this, process, path](int exitCode, QProcess::ExitStatus status) {
        process->deleteLater();
        if (status != QProcess::NormalExit || exitCode != 0)
            emit openFailed(path);
    });
    process->start(QStringLiteral("xdg-open"), {QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)});
}

void SystemBeep::beep()
{
    QApplication::beep();
}

} // namespace clavora
