#include "fake_controls.h"
#include "fake_desktop.h"
#include "shelf_commands.h"
#include "shelf_settings.h"
#include "workflow_fixture.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace kestrune;
using namespace kestrune::test;

namespace {

// The shelves as "name|path|own" or "name|path|admin", to compare at a glance.
QStringList described(const QList<Shelf>& shelves)
{
    QStringList out;
    for (const Shelf& shelf : shelves)
        out.append(shelf.name + u'|' + shelf.path + u'|' +
                   (shelf.own ? QStringLiteral("own") : QStringLiteral("admin")));
    return out;
}

// The person's file and the administrator's, written as text, the way an
// administrator writes one by hand.
struct ScopeFiles {
    ScopeFiles(const QByteArray& userText, const QByteArray& systemText)
        : user(writeFile(dir.path(), QStringLiteral("user.conf"), userText), QSettings::IniFormat),
          system(writeFile(dir.path(), QStringLiteral("system.conf"), systemText), QSettings::IniFormat)
    {
    }
    QString userText() const
    {
        QFile file(user.fileName());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir dir;
    QSettings user;
    QSettings system;
    ShelfSettings shelves{user, system};
};

const QByteArray officeShelf = "[shelves]\n1\\name=事務所\n1\\path=/srv/nas/一覧\nsize=1\n";
const QByteArray ownShelves = "[shelves]\n1\\name=自分\n1\\path=/home/a/lists/\n2\\name=経理\n2\\path=/mnt/x\nsize=2\n";

}  // namespace

class ShelfSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The real scopes of one test below: the person's and the administrator's folders.
        QVERIFY(configHome_.isValid() && configDirs_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome_.path()));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(configDirs_.path()));
    }

    void readsBothScopes_data()
    {
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QByteArray>("system");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("none") << QByteArray() << QByteArray() << QStringList();
        QTest::newRow("the user scope") << ownShelves << QByteArray()
                                        << QStringList{"自分|/home/a/lists|own", "経理|/mnt/x|own"};
        QTest::newRow("the system scope") << QByteArray() << officeShelf << QStringList{"事務所|/srv/nas/一覧|admin"};
        QTest::newRow("both: the administrator's first")
            << ownShelves << officeShelf
            << QStringList{"事務所|/srv/nas/一覧|admin", "自分|/home/a/lists|own", "経理|/mnt/x|own"};
        QTest::newRow("broken entries left out")
            << QByteArray("[shelves]\n1\\name=道なし\n2\\name=相対\n2\\path=lists\n3\\path=/srv/名なし\n"
                          "4\\name=\"\\t\"\n4\\path=/srv/tab\n5\\name=  \n5\\path=/srv/空白\n"
                          "6\\name=残る\n6\\path=/srv/残る\nsize=6\n")
            << QByteArray() << QStringList{"残る|/srv/残る|own"};
        QTest::newRow("a name the administrator took")
            << QByteArray("[shelves]\n1\\name=事務所\n1\\path=/home/a/mine\nsize=1\n") << officeShelf
            << QStringList{"事務所|/srv/nas/一覧|admin"};
        QTest::newRow("numbered entries without a size, in their order")
            << QByteArray("[shelves]\n10\\name=十\n10\\path=/ten\n2\\name=二\n2\\path=/two\n") << QByteArray()
            << QStringList{"二|/two|own", "十|/ten|own"};
    }
    void readsBothScopes()
    {
        QFETCH(QByteArray, user);
        QFETCH(QByteArray, system);
        QFETCH(QStringList, expected);
        ScopeFiles files(user, system);
        QCOMPARE(described(files.shelves.shelves()), expected);
    }

    // Changes reach the person's own file only, and leave the rest of it as it was.
    void changesTheOwnShelvesOnly_data()
    {
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QString>("change");  // "+name" adds /srv/new under that name, "-name" takes it off
        QTest::addColumn<bool>("done");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("keptInFile");  // what the person's file must still hold
        QTest::newRow("added after the others") << ownShelves << "+新しい" << true
                                                << QStringList{"事務所|/srv/nas/一覧|admin", "自分|/home/a/lists|own",
                                                               "経理|/mnt/x|own", "新しい|/srv/new|own"}
                                                << QString();
        QTest::newRow("an own shelf taken off")
            << ownShelves << "-自分" << true << QStringList{"事務所|/srv/nas/一覧|admin", "経理|/mnt/x|own"}
            << QString();
        QTest::newRow("a broken entry stays in the file")
            << QByteArray("[shelves]\n1\\name=相対\n1\\path=relative\n2\\name=自分\n2\\path=/a\nsize=2\n") << "-自分"
            << true << QStringList{"事務所|/srv/nas/一覧|admin"} << "relative";
    }
    void changesTheOwnShelvesOnly()
    {
        QFETCH(QByteArray, user);
        QFETCH(QString, change);
        QFETCH(bool, done);
        QFETCH(QStringList, expected);
        QFETCH(QString, keptInFile);
        ScopeFiles files(user, officeShelf);
        const QString name = change.mid(1);
        if (change.startsWith(u'+'))
            files.shelves.add(name, QStringLiteral("/srv/new"));
        else
            QCOMPARE(files.shelves.remove(name), done);
        files.user.sync();
        files.system.sync();

        QSettings userAgain(files.user.fileName(), QSettings::IniFormat);
        QSettings systemAgain(files.system.fileName(), QSettings::IniFormat);
        QCOMPARE(described(ShelfSettings(userAgain, systemAgain).shelves()), expected);
        QVERIFY(files.userText().contains(keptInFile));
    }

    // The user scope falls back to the administrator's file: read through it,
    // the office shelf must still be the administrator's, not the person's.
    void administratorsShelfIsNeverTheUsersOwn()
    {
        QVERIFY(QDir(configDirs_.path()).mkpath(QStringLiteral("Kestrune")));
        writeFile(configDirs_.path() + QStringLiteral("/Kestrune"), QStringLiteral("Kestrune.conf"), officeShelf);
        QSettings user(QSettings::UserScope, QStringLiteral("Kestrune"), QStringLiteral("Kestrune"));
        QSettings system(QSettings::SystemScope, QStringLiteral("Kestrune"), QStringLiteral("Kestrune"));
        QVERIFY(user.fallbacksEnabled());
        ShelfSettings shelves(user, system);
        QCOMPARE(described(shelves.shelves()), QStringList{"事務所|/srv/nas/一覧|admin"});

        shelves.add(QStringLiteral("自分"), QStringLiteral("/home/a"));
        QVERIFY(!shelves.remove(QStringLiteral("事務所")));
        user.sync();
        QCOMPARE(described(shelves.shelves()), (QStringList{"事務所|/srv/nas/一覧|admin", "自分|/home/a|own"}));
        QVERIFY(user.fallbacksEnabled());
        QSettings userFile(user.fileName(), QSettings::IniFormat);
        QCOMPARE(userFile.value(QStringLiteral("shelves/size")).toInt(), 1);
    }

    void addingTheOpenFolder_data()
    {
        QTest::addColumn<QStringList>("typed");  // the names typed in turn, then Esc
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("messages");
        const QString open = QStringLiteral("/srv/share/案件");
        QTest::newRow("named") << QStringList{" 案件の棚 "} << open
                               << QStringList{"事務所|/srv/nas/一覧|admin", "案件の棚|/srv/share/案件|own"} << 0;
        QTest::newRow("left with Esc") << QStringList() << open << QStringList{"事務所|/srv/nas/一覧|admin"} << 0;
        QTest::newRow("left empty") << QStringList{"  "} << open << QStringList{"事務所|/srv/nas/一覧|admin"} << 0;
        QTest::newRow("a taken name, then another")
            << QStringList{"事務所", "案件"} << open
            << QStringList{"事務所|/srv/nas/一覧|admin", "案件|/srv/share/案件|own"} << 1;
        QTest::newRow("a line break, then Esc")
            << QStringList{"a\nb"} << open << QStringList{"事務所|/srv/nas/一覧|admin"} << 1;
        QTest::newRow("a folder that is a shelf already") << QStringList{"二つ目"} << QStringLiteral("/srv/nas/一覧")
                                                          << QStringList{"事務所|/srv/nas/一覧|admin"} << 1;
    }
    void addingTheOpenFolder()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, folder);
        QFETCH(QStringList, expected);
        QFETCH(int, messages);
        ScopeFiles files({}, officeShelf);
        FakeFolderList folderList;
        folderList.openPath = folder;
        FakeDesktop desktop;
        desktop.fileNames = typed;
        ShelfCommands(files.shelves, folderList, desktop).addOpenFolder();
        QCOMPARE(described(files.shelves.shelves()), expected);
        QCOMPARE(desktop.boxes.size(), messages);
    }

private:
    QTemporaryDir configHome_;
    QTemporaryDir configDirs_;
};

QTEST_GUILESS_MAIN(ShelfSettingsTest)
#include "test_shelf_settings.moc"
