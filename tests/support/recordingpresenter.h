#pragma once

#include "ui/messagepresenter.h"

#include <QList>
#include <QString>

/// A message seam for widget tests: records every message and answers from a queue (OK, or Yes
/// for a question, when the queue is empty), so no test waits on a modal box.
class RecordingPresenter final : public MessagePresenter {
public:
    struct Message {
        QMessageBox::Icon icon;
        QString text;
        QMessageBox::StandardButtons buttons;
    };

    QList<Message> messages;
    QList<QMessageBox::StandardButton> answers;

    QMessageBox::StandardButton show(QWidget *, QMessageBox::Icon icon, const QString &text,
                                     QMessageBox::StandardButtons buttons) override
    {
        messages.append({icon, text, buttons});
        if (!answers.isEmpty())
            return answers.takeFirst();
        return buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
    }

    /// The texts shown so far, oldest first.
    [[nodiscard]] QStringList texts() const
    {
        QStringList result;
        for (const Message &message : messages)
            result.append(message.text);
        return result;
    }
};
