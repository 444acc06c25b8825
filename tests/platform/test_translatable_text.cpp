#include "text_language.h"
#include "translatable_text.h"
#include "workflow_texts.h"

#include <QTest>

using namespace kestrune;

Q_DECLARE_METATYPE(kestrune::Language)

class TranslatableTextTest : public QObject {
    Q_OBJECT

private slots:
    // A counted text names its count, and English alone has a form for one
    // thing apart from the form for more (Japanese says both alike).
    void countedTextTakesItsForm_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("sameFormAsTwo");
        QTest::newRow("Japanese, none") << Language::Japanese << 0 << true;
        QTest::newRow("Japanese, one") << Language::Japanese << 1 << true;
        QTest::newRow("Japanese, many") << Language::Japanese << 10000 << true;
        QTest::newRow("English, none") << Language::English << 0 << true;
        QTest::newRow("English, one") << Language::English << 1 << false;
        QTest::newRow("English, many") << Language::English << 10000 << true;
    }
    void countedTextTakesItsForm()
    {
        QFETCH(Language, language);
        QFETCH(int, count);
        QFETCH(bool, sameFormAsTwo);
        const TextLanguage words(language);
        QVERIFY(words.loaded());
        const QString number = QString::number(count);
        const QString text = texts::lineMakesFolders.withCount(count);
        QVERIFY2(text.contains(number) && !text.contains(QStringLiteral("%n")), qPrintable(text));
        const QString two = texts::lineMakesFolders.withCount(2);
        QCOMPARE(QString(text).replace(number, QStringLiteral("#")) == QString(two).replace(u'2', u'#'), sameFormAsTwo);
    }

    // The language lasts while its TextLanguage does; then the sources come back.
    void languageEndsWithItsScope()
    {
        const QString japanese = texts::previewBlank;
        {
            const TextLanguage english(Language::English);
            QVERIFY(texts::previewBlank.toString() != japanese);
            QCOMPARE(texts::previewRefused.arg(texts::previewBlank),
                     texts::previewRefused.toString().arg(texts::previewBlank.toString()));
        }
        QCOMPARE(texts::previewBlank.toString(), japanese);
    }
};

QTEST_MAIN(TranslatableTextTest)
#include "test_translatable_text.moc"
