// SPDX-License-Identifier: GPL-3.0-or-later
#include "address_book_generator.h"

#include <QFile>
#include <QRandomGenerator>
#include <array>

using namespace Qt::StringLiterals;

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
const char* pick(QRandomGenerator& random, const List& list) {
    return list[random.bounded(int(list.size()))];
}

// Quoted-printable as 2.1 writers produce it: every byte outside printable
// ASCII, and "=", as =XX.
QByteArray quotedPrintable(const QByteArray& text) {
    QByteArray out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '=')
            out += c;
        else
            out += '=' + QByteArray::number(byte, 16).toUpper().rightJustified(2, '0');
    }
    return out;
}

}  // namespace

QString groupName(int index) {
    return u"Group %1"_s.arg(index, 3, 10, QLatin1Char('0'));
}

QByteArray generateAddressBook(const BookShape& shape) {
    QRandomGenerator random(shape.seed);
    QByteArray out;
    out.reserve(qsizetype(shape.contacts) * 380);
    for (int i = 0; i < shape.contacts; ++i) {
        const QByteArray given = pick(random, kGiven);
        const QByteArray family = pick(random, kFamily);
        const QByteArray number = QByteArray::number(i);
        QByteArray groups = groupName(i % shape.groups).toUtf8();
        if (i % 10 == 0)
            groups += ',' + groupName((i / 10 + 7) % shape.groups).toUtf8();
        // The random numbers are drawn in the same order either way, so the
        // 3.0 cards of a mixed book are those of an all-3.0 book.
        const QByteArray uid = QByteArray::number(random.generate64(), 16).rightJustified(16, '0') +
                               "-bench-" + number.rightJustified(6, '0');
        const QByteArray street =
            QByteArray::number(random.bounded(1, 200)) + ' ' + pick(random, kStreets);
        const QByteArray address = ";;" + street + ";Zürich;;80" + number.right(2) + ";Switzerland";
        const QByteArray note = "Met in " + QByteArray::number(2000 + i % 24);
        if (shape.mixedVersions && i % 2 == 1) {
            out += "BEGIN:VCARD\r\nVERSION:2.1\r\n";
            out += "UID:" + uid + "\r\n";
            out += "N;CHARSET=UTF-8:" + family + ' ' + number + ';' + given + ";;;\r\n";
            out += "FN;CHARSET=UTF-8:" + given + ' ' + family + ' ' + number + "\r\n";
            out += "TEL;CELL;PREF:+41 79 " + QByteArray::number(1000000 + i) + "\r\n";
            out += "TEL;HOME;VOICE:+41 44 " + QByteArray::number(2000000 + i) + "\r\n";
            out += "EMAIL;INTERNET;HOME:" + given.toLower() + '.' + number + "@example.org\r\n";
            out += "ADR;HOME;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:" + quotedPrintable(address) +
                   "\r\n";
            out += "CATEGORIES:" + groups + "\r\n";
            out += "NOTE;ENCODING=QUOTED-PRINTABLE:" + quotedPrintable(note) +
                   ", call before noon.\r\n";
            out += "END:VCARD\r\n";
            continue;
        }
        out += "BEGIN:VCARD\r\nVERSION:3.0\r\n";
        out += "UID:" + uid + "\r\n";
        out += "FN:" + given + ' ' + family + ' ' + number + "\r\n";
        out += "N:" + family + ' ' + number + ';' + given + ";;;\r\n";
        out += "TEL;TYPE=CELL:+41 79 " + QByteArray::number(1000000 + i) + "\r\n";
        out += "TEL;TYPE=HOME,VOICE:+41 44 " + QByteArray::number(2000000 + i) + "\r\n";
        out += "EMAIL;TYPE=INTERNET,HOME:" + given.toLower() + '.' + number + "@example.org\r\n";
        out += "ADR;TYPE=HOME:" + address + "\r\n";
        out += "CATEGORIES:" + groups + "\r\n";
        out += "NOTE:" + note + "\\, call before noon.\r\n";
        out += "END:VCARD\r\n";
    }
    return out;
}

bool writeAddressBook(const QString& path, const BookShape& shape) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray book = generateAddressBook(shape);
    return file.write(book) == book.size() && file.flush();
}

}  // namespace pelicast::bench
