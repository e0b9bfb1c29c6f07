// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTranslator>

#include <functional>

// Qt's own texts (the buttons of a question, the colour chooser) in the
// program's language: from Qt's own German translations while german() says
// so, else Qt's English, whatever the machine's locale. german() is asked at
// every text, so the language chosen in the first-run dialog holds from the
// moment it is chosen. Installed in the application for as long as it lives.
class QtTranslation : public QTranslator
{
public:
    explicit QtTranslation(std::function<bool()> german);

    QString translate(const char *context, const char *sourceText,
                      const char *disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override;

private:
    std::function<bool()> german_;
    QTranslator qtGerman_;
};
