#include "japanese_script.h"
#include "program_language.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrune;

class ProgramLanguageTest : public QObject {
    Q_OBJECT

private slots:
    // The real program, without a window: the desktop's locale variables, the
    // choice kept in the settings and KESTRUNE_LANGUAGE decide the language
    // its messages come in.
    void languageOfTheProgram_data()
    {
        QTest::addColumn<QStringList>("desktop");  // locale variables
        QTest::addColumn<QString>("setting");      // "" for none kept
        QTest::addColumn<QString>("environment");  // KESTRUNE_LANGUAGE; "" for unset
        QTest::addColumn<bool>("english");

        const auto row = [](const char* name, const QString& desktop, const char* setting, const char* environment,
                            bool english) {
            QTest::newRow(name) << desktop.split(u' ', Qt::SkipEmptyParts) << QString::fromLatin1(setting)
                                << QString::fromLatin1(environment) << english;
        };
        row("Japanese desktop", QStringLiteral("LANG=ja_JP.UTF-8"), "", "", false);
        row("American desktop", QStringLiteral("LANG=en_US.UTF-8"), "", "", true);
        row("German desktop", QStringLiteral("LANG=de_DE.UTF-8"), "", "", true);
        row("Chinese desktop", QStringLiteral("LANG=zh_CN.UTF-8"), "", "", true);
        row("C", QStringLiteral("LC_ALL=C.UTF-8"), "", "", false);
        row("POSIX", QStringLiteral("LC_ALL=POSIX"), "", "", false);
        row("nothing set", QString(), "", "", false);
        row("messages decide", QStringLiteral("LANG=en_US.UTF-8 LC_MESSAGES=ja_JP.UTF-8"), "", "", false);
        row("first UI language decides", QStringLiteral("LANGUAGE=fr:ja LANG=ja_JP.UTF-8"), "", "", true);
        row("Japanese first", QStringLiteral("LANGUAGE=ja:en LANG=en_US.UTF-8"), "", "", false);
        row("automatic follows the desktop", QStringLiteral("LANG=en_US.UTF-8"), "auto", "", true);
        row("Japanese chosen", QStringLiteral("LANG=en_US.UTF-8"), "ja", "", false);
        row("English chosen", QStringLiteral("LANG=ja_JP.UTF-8"), "en", "", true);
        row("English chosen on C", QStringLiteral("LC_ALL=C"), "en", "", true);
        row("environment over the choice", QStringLiteral("LANG=ja_JP.UTF-8"), "en", "ja", false);
        row("environment over the desktop", QStringLiteral("LANG=ja_JP.UTF-8"), "", "en", true);
        row("environment Japanese", QStringLiteral("LANG=de_DE.UTF-8"), "en", "ja", false);
        row("unknown environment ignored", QStringLiteral("LANG=ja_JP.UTF-8"), "", "fr", false);
        row("empty environment ignored", QStringLiteral("LANG=en_US.UTF-8"), "ja", "", false);
    }
    void languageOfTheProgram()
    {
        QFETCH(QStringList, desktop);
        QFETCH(QString, setting);
        QFETCH(QString, environment);
        QFETCH(bool, english);

        QTemporaryDir home;
        QVERIFY(home.isValid());
        if (!setting.isEmpty()) {
            // Where the program's settings lie on a desktop that names no other place.
            QSettings kept(home.filePath(QStringLiteral("Kestrune/Kestrune.conf")), QSettings::IniFormat);
            keepLanguageChoice(kept, setting == u"ja"   ? LanguageChoice::Japanese
                                     : setting == u"en" ? LanguageChoice::English
                                                        : LanguageChoice::Automatic);
        }
        QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "KESTRUNE_LANGUAGE"})
            variables.remove(QString::fromLatin1(name));
        variables.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        for (const QString& variable : desktop)
            variables.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        if (!environment.isEmpty())
            variables.insert(QStringLiteral("KESTRUNE_LANGUAGE"), environment);

        QProcess program;
        program.setProcessEnvironment(variables);
        program.start(QStringLiteral(KESTRUNE_BINARY), QStringList{QStringLiteral("--no-such-option")});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 2);
        const QString said = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(said.contains(QStringLiteral("--no-such-option")), qPrintable(said));
        QVERIFY2(test::hasJapanese(said) != english, qPrintable(said));
    }
};

QTEST_MAIN(ProgramLanguageTest)
#include "test_program_language.moc"
