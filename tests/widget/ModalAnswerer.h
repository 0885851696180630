// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <vector>

class QWidget;

namespace clavora::test {

// Answers modal boxes while a test waits in a call that shows them. It polls for the
// active modal widget and answers it through a queued call, since answering inside the
// timer slot would deadlock when the box opens a nested one.
class ModalAnswerer final : public QObject {
    Q_OBJECT
public:
    struct Seen {
        QString title;
        QString text; // a message box's text, else empty
    };
    // `answer` acts on the modal widget (accept it, fill a file name...); the default
    // presses the box's default button or accepts the dialog.
    explicit ModalAnswerer(std::function<void(QWidget*)> answer = {});
    ~ModalAnswerer() override;

    const std::vector<Seen>& seen() const { return seen_; }

private:
    void poll();

    std::function<void(QWidget*)> answer_;
    std::vector<Seen> seen_;
    QTimer timer_;
    bool pending_ = false;
};

} // namespace clavora::test
