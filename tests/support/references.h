// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QWidget>

#include <cstdlib>

// Checks against reviewed references in tests/references: a recorded text
// (sounds, waits, timers, settings written, what shows) or a rendered
// picture. With KORVA_UPDATE_REFERENCES=1 a check writes its reference
// instead (`make references`); read and look at every changed reference
// before committing it. On a mismatch the actual text or picture, and the
// pixels that differ, are written beside the build.
namespace References {

inline bool updating()
{
    return qEnvironmentVariableIntValue("KORVA_UPDATE_REFERENCES") == 1;
}
inline QString reference(const QString &file)
{
    return KORVA_REFERENCE_DIR "/" + file;
}
inline QString beside(const QString &file)
{
    QDir().mkpath(KORVA_PICTURE_OUT_DIR);
    return KORVA_PICTURE_OUT_DIR "/" + file;
}

// The reference text `name`.txt without its "#" lines, which say what the
// other lines hold; `header` gets those at its top. Null when it cannot be read.
inline QString referenceText(const QString &name, QString *header = nullptr)
{
    QFile file(reference(name + ".txt"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    while (header && lines.value(0).startsWith('#'))
        *header += lines.takeFirst() + '\n';
    return lines.filter(QRegularExpression("^(?!#)")).join('\n');
}

// An empty text when `actual` equals the reference `name`.txt; else what to
// compare. An update keeps the reference's header.
inline QString textMismatch(const QString &actual, const QString &name)
{
    QString header, want = referenceText(name, &header), path = reference(name + ".txt");
    if (!updating() && !want.isNull() && want == actual)
        return QString();
    QFile out(updating() ? path : beside(name + "-actual.txt"));
    if (!out.open(QIODevice::WriteOnly) || out.write((header + actual).toUtf8()) < 0)
        return "cannot write " + out.fileName();
    return updating() ? QString() : "see diff -u " + path + ' ' + out.fileName();
}

// Renders the widget as it would show, painting pending changes first.
inline QImage render(QWidget *widget)
{
    widget->repaint();
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// An empty text when the picture matches the reference `name`.png, each colour
// channel within a small tolerance; else how many pixels differ.
inline QString pictureMismatch(const QImage &actual, const QString &name)
{
    if (updating())
        return actual.save(reference(name + ".png")) ? QString() : "cannot write " + name;
    const QImage want = QImage(reference(name + ".png")).convertToFormat(QImage::Format_RGB32);
    // Antialiased edges may differ by a level or two between builds; a colour
    // changed by a visible amount, or a control one pixel off, differs by more.
    QImage difference(actual.size(), QImage::Format_RGB32);
    difference.fill(Qt::black);
    int wrong = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y),
                       b = want.valid(x, y) ? want.pixel(x, y) : a ^ 0x808080;
            if (std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b))}) > 6) {
                ++wrong;
                difference.setPixel(x, y, qRgb(255, 0, 255));
            }
        }
    if (wrong == 0 && want.size() == actual.size())
        return QString();
    actual.save(beside(name + "-actual.png"));
    difference.save(beside(name + "-difference.png"));
    return QStringLiteral("%1: %2 pixels differ from the reference (or its size); see %3")
        .arg(name)
        .arg(wrong)
        .arg(beside(name + "-actual.png"));
}

} // namespace References

// Fails the test with the mismatch a check describes.
#define KORVA_NO_MISMATCH(check)                                                                   \
    do {                                                                                           \
        const QString why = (check);                                                               \
        QVERIFY2(why.isEmpty(), qPrintable(why));                                                  \
    } while (false)
#define KORVA_COMPARE_TRACE(text, name) KORVA_NO_MISMATCH(References::textMismatch(text, name))
#define KORVA_COMPARE_PICTURE(image, name)                                                         \
    KORVA_NO_MISMATCH(References::pictureMismatch(image, name))
