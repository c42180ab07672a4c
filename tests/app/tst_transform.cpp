#include <QTest>

#include "app/transform.h"
#include "app/user_data.h"

using pelicast::Transform;

namespace {
const QString kKey = QString::fromLatin1(pelicast::userdata::kScrambleKey);
}

class TransformTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void round_trips_data() {
        QTest::addColumn<QString>("plain");
        QTest::newRow("empty") << QString();
        QTest::newRow("shorter than the key") << "abc";
        QTest::newRow("longer than the key") << "correct horse battery staple";
        QTest::newRow("key characters give U+0000") << "581603";
        QTest::newRow("U+0000 inside") << QString::fromUtf16(u"a\0b", 3);
        QTest::newRow("Latin-1") << QString::fromUtf8("P\xc3\xa4ssw\xc3\xb6rd\xc3\x9f");
        QTest::newRow("Greek") << QString::fromUtf8("\xce\xba\xce\xb1\xce\xbb\xce\xb7\xce\xbc");
        QTest::newRow("outside the BMP") << QString::fromUtf8("\xf0\x9f\x98\x80 ok");
    }
    void round_trips() {
        QFETCH(QString, plain);
        const QString scrambled = Transform(plain, kKey);
        QCOMPARE(scrambled.size(), plain.size());
        QCOMPARE(Transform(scrambled, kKey), plain);
    }

    void scrambles_position_by_position() {
        // Position 7 uses the key's first character again.
        const QString scrambled = Transform(QStringLiteral("58160355"), kKey);
        QString expected(7, QChar(0));
        expected += QChar(char16_t('5' ^ '8'));
        QCOMPARE(scrambled, expected);
        // A character sharing the key character's three high bits gives a
        // control character.
        QCOMPARE(Transform(QStringLiteral("A"), kKey).at(0).unicode(), char16_t('A' ^ '5'));
        QVERIFY(Transform(QStringLiteral("4"), kKey).at(0).unicode() < 32);
    }
};

QTEST_GUILESS_MAIN(TransformTest)
#include "tst_transform.moc"
