// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>
#include <QString>
#include <vector>

namespace clavora {

// A character typed in place of another, and how often.
struct Mistake {
    QChar expected;
    QChar typed;
    int count = 1;
    bool operator==(const Mistake&) const = default;
};

// What an attempt got wrong, for the learner to read.
class MistakeList {
    Q_DECLARE_TR_FUNCTIONS(MistakeList)

public:
    // Pairs may repeat: each pair is counted once, most frequent first, ties in the order
    // they were first met.
    explicit MistakeList(const std::vector<Mistake>& pairs);
    // The places where the typed text has another character than the exercise. Characters
    // missing at the end or typed past it were not typed in place of anything.
    static MistakeList compare(const QString& exercise, const QString& typed);

    const std::vector<Mistake>& mistakes() const { return mistakes_; }
    // "expected e, typed r (2 times); expected a, typed s", the `shown` most frequent.
    QString text(int shown) const;

private:
    static QString name(QChar c);

    std::vector<Mistake> mistakes_;
};

} // namespace clavora
