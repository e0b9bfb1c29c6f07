// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// The system ending the program (SIGTERM at shutdown or logout, SIGHUP when
// its terminal goes, SIGINT): the signal is turned into an ordinary event,
// so the program ends from the event loop it is in, nested dialogs and waits
// included, with status 0.
class SystemEnd : public QObject
{
    Q_OBJECT
public:
    explicit SystemEnd(std::function<void()> end);
    ~SystemEnd() override;

private:
    std::function<void()> end_;
    QSocketNotifier *notifier_ = nullptr;
};
