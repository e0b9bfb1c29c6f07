// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/captionlabel.h"
#include "controls/checkbox.h"
#include "controls/optionbutton.h"
#include "controls/picturestore.h"
#include "options/optionsdialog.h"
#include "options/optionsprompts.h"
#include "settings/languagedialog.h"
#include "settings/settings.h"
#include "settings/settingsfile.h"
#include "sound/waveplayer.h"
#include "support/consolefixture.h"
#include "support/rows.h"

#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <utime.h>

// Passes reads and writes on to the file's store and counts the writes.
class CountingStore : public SettingsStore, public OptionsPrompts
{
public:
    explicit CountingStore(SettingsStore &store) : store_(store) {}
    QString read(const QString &section, const QString &key,
                 const QString &defaultText) const override
    {
        return store_.read(section, key, defaultText);
    }
    using SettingsStore::write;
    void write(const QList<Change> &changes) override
    {
        ++writes;
        store_.write(changes);
    }
    // The colour chooser answers with the next colour.
    std::optional<qint32> chooseColor(QWidget *) override { return colours.takeFirst(); }
    bool askYesNo(QWidget *, const QString &, const QString &) override { return false; }

    int writes = 0;
    QList<qint32> colours;

private:
    SettingsStore &store_;
};

// The settings store, its conversions, the language flag and its dialog.
class TstSettings : public QObject
{
    Q_OBJECT

    // Puts a thing of the kind named in paths.txt at the path; a file holds `text`.
    static bool make(const QString &at, const QString &kind, QByteArray text)
    {
        const QByteArray name = QFile::encodeName(at);
        if (kind.startsWith("link "))
            return make(at + ".target", kind.mid(5), text) && QFile::link(at + ".target", at);
        if (kind == "fifo" || kind == "device")
            return (kind == "fifo" ? ::mkfifo(name, 0600)
                                   : ::mknod(name, S_IFCHR | 0600, makedev(1, 3))) == 0;
        if (kind == "dead" || kind == "live, an hour old") // as its owner writes it: process,
            text = QString("%1\n%2\n%3\n%4\n%5\n")         // program, host, machine, boot
                       .arg(kind == "dead" ? 2147483646 : QCoreApplication::applicationPid())
                       .arg(QCoreApplication::applicationName(), QSysInfo::machineHostName(),
                            QSysInfo::machineUniqueId(), QSysInfo::bootUniqueId())
                       .toUtf8();
        QFile file(at);
        const bool made = kind == "none" || (kind == "dir" ? QDir().mkdir(at)
                                                           : file.open(QIODevice::WriteOnly) &&
                                                                 file.write(text) == text.size());
        file.close();
        const struct utimbuf anHourAgo = {::time(nullptr) - 3600, ::time(nullptr) - 3600};
        return made && (!kind.endsWith("an hour old") || ::utime(name, &anHourAgo) == 0);
    }

    // What lies at a path, following a link: "file:<size>", "dir", "link>none"...
    static QString shape(const QString &path)
    {
        const QFileInfo info(path);
        const QString kind = info.isFile()   ? QString("file:%1").arg(info.size())
                             : info.isDir()  ? "dir"
                             : info.exists() ? "other"
                                             : "none";
        return (info.isSymLink() ? "link>" : "") + kind;
    }

private slots:
    void hostilePaths_data() { dataRows(QFINDTESTDATA("paths.txt")); }
    void hostilePaths()
    {
        QFETCH(QStringList, row); // name, at the path, text, at the lock, Ani, lands, after
        const QString lands = row[5];
        if ((row[1] + row[3]).contains("device") && ::geteuid() != 0)
            QSKIP("only root makes a device node");
        QByteArray text = row[2] == "-" ? QByteArray() : row[2].toUtf8();
        if (row[1].startsWith("padded to ")) // with a comment line
            text = text.leftJustified(row[1].mid(10).toInt() - 1, ';') + '\n';
        QTemporaryDir dir;
        const QString path = dir.filePath("KORVA-Interface.conf"), lock = path + ".lock";
        QVERIFY(make(path, row[1], text) && make(lock, row[3], {}));

        auto store = std::make_unique<IniSettingsStore>(path);
        Settings settings(*store);
        QCOMPARE(QString::number(settings.int16(SettingKey::Ani)), row[4]);
        settings.write(SettingKey::AniDir, 1);
        QCOMPARE(settings.int16(SettingKey::AniDir), qint16(1));
        const QByteArray expected = (text.isEmpty() ? "[Optionen]\n" : text) + "AniDir=1\n";
        const auto landed = [&] { // never opens what may block
            QFile file(path);
            return lands != "never" && file.open(QIODevice::ReadOnly) && file.readAll() == expected;
        };
        QCOMPARE(landed(), lands == "at once");
        QDir().rmdir(lock) || QFile::remove(lock); // a dead process's lock is gone already
        if (lands == "retry")
            QTRY_VERIFY(landed());
        store.reset();
        QCOMPARE(shape(path), row[6]);
        QCOMPARE(landed(), lands != "never");
    }

    // OK stores every value of the dialog in one write of the file, so that an
    // end in its middle cannot leave some keys old and some new.
    void okWritesEveryValueAtOnce()
    {
        TempSettings temp;
        temp.writeFile("; mine\n[Optionen]\nAniSpeed=0\nSSaverTime=4\n");
        CountingStore counting(temp.store());
        Settings settings(counting);
        RecordingSoundPlayer sound;
        WavePlayer wave(sound, QCoreApplication::applicationDirPath());
        ProgramState program{1, 2, 1, false};
        PictureStore images;
        OptionsDialog dialog({settings, program, wave, [&]() -> PictureStore & { return images; },
                              counting, [] {}, [] {}});
        OptionsControls &c = dialog.controls();
        c.HScroll1->setValue(3);
        c.HScroll2->setValue(9);
        c.Check1->setChecked(true);
        c.Check2->setChecked(true);
        c.Option2->setChecked(true);
        counting.colours = {255, 65280};
        dialog.command1Click();
        dialog.command2Click();
        dialog.labelOKClick();
        QCOMPARE(counting.writes, 1);
        QCOMPARE(temp.readFile(), "; mine\n[Optionen]\nAniSpeed=3\nSSaverTime=9\nAni=1\nAniDir=1\n"
                                  "SSaver=1\nFirstBar=255\nLastBar=65280\n");
    }

    void location_data() { dataRows(QFINDTESTDATA("location.txt")); }
    void location()
    {
        QFETCH(QStringList, row); // name, XDG_CONFIG_HOME, HOME, the settings file
        QList<std::pair<const char *, std::optional<QByteArray>>> saved;
        for (const char *name : {"XDG_CONFIG_HOME", "HOME"})
            saved.append({name, qEnvironmentVariableIsSet(name)
                                    ? std::optional<QByteArray>(qgetenv(name))
                                    : std::nullopt});
        const auto restore = qScopeGuard([&] {
            for (const auto &[name, value] : saved)
                value ? qputenv(name, *value) : qunsetenv(name);
        });
        for (int i = 0; i < 2; ++i)
            row[i + 1] == "unset"
                ? qunsetenv(saved[i].first)
                : qputenv(saved[i].first,
                          row[i + 1] == "empty" ? QByteArray() : row[i + 1].toUtf8());
        const struct passwd *account = ::getpwuid(::getuid());
        QVERIFY(account);
        QCOMPARE(IniSettingsStore::defaultFilePath(),
                 QDir::cleanPath(row[3].replace("{account}", QFile::decodeName(account->pw_dir))));
    }

    void outsideEditsAreSeenAtTheNextRead()
    {
        TempSettings temp;
        temp.writeFile("[Optionen]\nFirstBar=255\n");
        Settings settings(temp.store());
        QCOMPARE(settings.int32(SettingKey::FirstBar), 255);
        temp.writeFile("[Optionen]\nFirstBar=65280\n"); // in place
        QCOMPARE(settings.int32(SettingKey::FirstBar), 65280);
        QSaveFile replaced(temp.path()); // a new file in its place
        QVERIFY(replaced.open(QIODevice::WriteOnly) && replaced.write("[Optionen]\nFirstBar=1\n"));
        QVERIFY(replaced.commit());
        QCOMPARE(settings.int32(SettingKey::FirstBar), 1);
    }

    void languageAtStart_data() { dataRows(QFINDTESTDATA("language.txt")); }
    void languageAtStart()
    {
        QFETCH(QStringList, row); // name, stored, answer, result
        ConsoleFixture f;
        f.settings.writeFile("[Sprache]\nGerman=" + row[1].toUtf8() + "\n");
        QString asked = "no";
        QObject answerer; // cannot answer after the function has returned
        QTimer::singleShot(0, &answerer, [&] {
            auto *dialog = qobject_cast<LanguageDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QApplication::setActiveWindow(dialog);
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            asked = "yes";
            // Through the window, as the platform delivers keys, so access keys work.
            for (QChar key : row[2]) {
                QTest::keyClick(dialog->windowHandle(), Qt::Key(key.unicode()), Qt::AltModifier);
                QTRY_VERIFY((key == 'E' ? dialog->Option1 : dialog->Option2)->isChecked());
            }
            QTest::keyClick(dialog->windowHandle(),
                            row[0].endsWith("closed") ? Qt::Key_Escape : Qt::Key_Return);
        });
        f.load();
        QCOMPARE(QStringList({f.console->settings().text(SettingKey::German), asked,
                              f.c().Bezeichnung6->caption(), f.c().Label17->caption(),
                              f.c().Label15->caption()})
                     .join(' '),
                 row[3]);
    }
};

QTEST_MAIN(TstSettings)
#include "tst_settings.moc"
