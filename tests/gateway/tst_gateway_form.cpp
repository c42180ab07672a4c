#include <QTest>

#include "form.h"

using pelicast::gateway::crlfLines;
using pelicast::gateway::Form;
using pelicast::gateway::joinedBySemicolons;
using pelicast::gateway::separatedItems;

class TestGatewayForm : public QObject {
    Q_OBJECT

private slots:
    void decodes_data();
    void decodes();
    void refusesMalformed_data();
    void refusesMalformed();
    void readsLists();
};

void TestGatewayForm::decodes_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");

    const auto row = [](const char* tag, const QByteArray& body, const char* name,
                        const QString& value) {
        QTest::newRow(tag) << body << QString(name) << value;
    };
    row("plain", "user=demo&pass=x", "user", "demo");
    row("plus is a space", "sms=a+b", "sms", "a b");
    row("escaped specials", "sms=%26%2B%25%3D%0D%0A", "sms", "&+%=\r\n");
    row("UTF-8", "sms=%CE%93%CE%B5%CE%B9%CE%AC", "sms", QString::fromUtf8("Γειά"));
    row("lower-case hex", "sms=%ce%b1", "sms", QString::fromUtf8("α"));
    row("empty pieces skipped", "&&a=1&&", "a", "1");
    row("no equals sign", "delold&a=1", "delold", "");
    row("equals inside value", "a=b=c", "a", "b=c");
}

void TestGatewayForm::decodes() {
    QFETCH(QByteArray, body);
    QFETCH(QString, name);
    QFETCH(QString, value);
    QString error;
    const auto form = Form::decode(body, &error);
    QVERIFY2(form, qPrintable(error));
    QVERIFY(form->has(name.toLatin1().constData()));
    QCOMPARE(form->value(name.toLatin1().constData()), value);
}

void TestGatewayForm::refusesMalformed_data() {
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("lone percent") << QByteArray("sms=100%");
    QTest::newRow("one hex digit at the end") << QByteArray("sms=%4");
    QTest::newRow("not hex") << QByteArray("sms=%zz");
    QTest::newRow("not UTF-8") << QByteArray("sms=%FF");
    QTest::newRow("cut UTF-8 sequence") << QByteArray("sms=%CE");
    QTest::newRow("broken name") << QByteArray("%G1=x");
    QTest::newRow("field twice") << QByteArray("user=a&pass=b&user=c");
}

void TestGatewayForm::refusesMalformed() {
    QFETCH(QByteArray, body);
    QString error;
    QVERIFY(!Form::decode(body, &error));
    QVERIFY(!error.isEmpty());
}

void TestGatewayForm::readsLists() {
    QCOMPARE(crlfLines(""), QStringList());
    QCOMPARE(crlfLines("\r\nAnna\r\n456"), QStringList({"Anna", "456"}));
    QCOMPARE(crlfLines("\r\n\r\n"), QStringList({"", ""}));
    QCOMPARE(crlfLines("Anna\r\nBo"), QStringList({"Anna", "Bo"}));
    QCOMPARE(separatedItems("a----b--------c----"), QStringList({"a", "b", "c"}));
    QCOMPARE(separatedItems("a ---- b----  "), QStringList({"a ", " b"}));
    QCOMPARE(joinedBySemicolons("0944----0977----"), QString("0944;0977;"));
}

QTEST_GUILESS_MAIN(TestGatewayForm)
#include "tst_gateway_form.moc"
