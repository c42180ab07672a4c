#include "address_book_generator.h"

#include <QFile>
#include <QRandomGenerator>
#include <array>

namespace pelicast::bench {

namespace {

constexpr std::array kGiven{"Anna", "Ben",    "Carla", "David",  "Eva",  "Felix", "Greta", "Hugo",
                            "Ines", "Jonas",  "Klara", "Luca",   "Mia",  "Noah",  "Olga",  "Paul",
                            "Rosa", "Samuel", "Tara",  "Ulrich", "Vera", "Wim",   "Xenia", "Zoé"};
constexpr std::array kFamily{"Berg",   "Carr",    "Dupont", "Eklund", "Fischer",   "García",
                             "Huber",  "Ivanov",  "Jansen", "Keller", "Lindqvist", "Meier",
                             "Novak",  "O'Brien", "Petrov", "Quist",  "Rossi",     "Schmid",
                             "Tanaka", "Urban",   "Vogel",  "Weber",  "Yilmaz",    "Zimmermann"};
constexpr std::array kStreets{"Bahnhofstrasse", "Main Street", "Rue de la Paix",
                              "Kungsgatan",     "Via Roma",    "Hauptplatz"};

template <typename List>
const char* Pick(QRandomGenerator& random, const List& list) {
    return list[random.bounded(int(list.size()))];
}

}  // namespace

QString GroupName(int index) {
    return QStringLiteral("Group %1").arg(index, 3, 10, QLatin1Char('0'));
}

QByteArray GenerateAddressBook(const BookShape& shape) {
    QRandomGenerator random(shape.seed);
    QByteArray out;
    out.reserve(qsizetype(shape.contacts) * 360);
    for (int i = 0; i < shape.contacts; ++i) {
        const QByteArray given = Pick(random, kGiven);
        const QByteArray family = Pick(random, kFamily);
        const QByteArray number = QByteArray::number(i);
        QByteArray groups = GroupName(i % shape.groups).toUtf8();
        if (i % 10 == 0)
            groups += ',' + GroupName((i / 10 + 7) % shape.groups).toUtf8();
        out += "BEGIN:VCARD\r\nVERSION:3.0\r\n";
        out += "UID:" + QByteArray::number(random.generate64(), 16).rightJustified(16, '0') +
               "-bench-" + number.rightJustified(6, '0') + "\r\n";
        out += "FN:" + given + ' ' + family + ' ' + number + "\r\n";
        out += "N:" + family + ' ' + number + ';' + given + ";;;\r\n";
        out += "TEL;TYPE=CELL:+41 79 " + QByteArray::number(1000000 + i) + "\r\n";
        out += "TEL;TYPE=HOME,VOICE:+41 44 " + QByteArray::number(2000000 + i) + "\r\n";
        out += "EMAIL;TYPE=INTERNET,HOME:" + given.toLower() + '.' + number + "@example.org\r\n";
        out += "ADR;TYPE=HOME:;;" + QByteArray::number(random.bounded(1, 200)) + ' ' +
               Pick(random, kStreets) + ";Zürich;;80" + number.right(2) + ";Switzerland\r\n";
        out += "CATEGORIES:" + groups + "\r\n";
        out += "NOTE:Met in " + QByteArray::number(2000 + i % 24) + "\\, call before noon.\r\n";
        out += "END:VCARD\r\n";
    }
    return out;
}

bool WriteAddressBook(const QString& path, const BookShape& shape) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray book = GenerateAddressBook(shape);
    return file.write(book) == book.size();
}

}  // namespace pelicast::bench
