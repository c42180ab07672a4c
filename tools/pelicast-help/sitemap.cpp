#include "sitemap.h"

#include <QRegularExpression>

#include "chm_file.h"

namespace pelicast::help {

namespace {

// The few character references that sitemap files use.
QString DecodeEntities(const QString& text) {
    static const QRegularExpression reference(QStringLiteral("&(#[0-9]+|#[xX][0-9a-fA-F]+|\\w+);"));
    QString decoded;
    qsizetype done = 0;
    for (auto it = reference.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        const QString name = match.captured(1);
        QString replacement;
        if (name.startsWith(QLatin1Char('#'))) {
            const bool hex = name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive);
            const char32_t code = name.mid(hex ? 2 : 1).toUInt(nullptr, hex ? 16 : 10);
            replacement = QString::fromUcs4(&code, 1);
        } else if (name == QLatin1String("amp"))
            replacement = QStringLiteral("&");
        else if (name == QLatin1String("lt"))
            replacement = QStringLiteral("<");
        else if (name == QLatin1String("gt"))
            replacement = QStringLiteral(">");
        else if (name == QLatin1String("quot"))
            replacement = QStringLiteral("\"");
        else if (name == QLatin1String("apos"))
            replacement = QStringLiteral("'");
        else
            replacement = match.captured(0);
        decoded += text.mid(done, match.capturedStart() - done) + replacement;
        done = match.capturedEnd();
    }
    return decoded + text.mid(done);
}

QString Attribute(const QString& attributes, const QString& wanted) {
    static const QRegularExpression pattern(
        QStringLiteral(R"re(([\w-]+)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s"'>]+)))re"));
    for (auto it = pattern.globalMatch(attributes); it.hasNext();) {
        const auto match = it.next();
        if (match.captured(1).compare(wanted, Qt::CaseInsensitive) != 0)
            continue;
        for (int group = 2; group <= 4; ++group)
            if (match.capturedStart(group) >= 0)
                return DecodeEntities(match.captured(group));
    }
    return {};
}

// "ms-its:other.chm::/a.htm" and "mk:@MSITStore:x.chm::/a.htm" name a topic
// after their "::".
QString LocalPath(const QString& local) {
    const qsizetype separator = local.indexOf(QLatin1String("::"));
    return RootedPath(separator >= 0 ? local.mid(separator + 2) : local);
}

}  // namespace

QList<SitemapEntry> ParseSitemap(const QByteArray& html) {
    static const QRegularExpression tag(QStringLiteral(R"re(<\s*(/?)\s*(\w+)([^>]*)>)re"));
    QList<SitemapEntry> root;
    QList<QList<SitemapEntry>*> levels{&root};
    std::optional<SitemapEntry> pending;

    const QString text = QString::fromUtf8(html);
    for (auto it = tag.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        const bool closing = !match.captured(1).isEmpty();
        const QString name = match.captured(2).toLower();
        const QString attributes = match.captured(3);
        if (name == QLatin1String("ul")) {
            if (closing) {
                if (levels.size() > 1)
                    levels.removeLast();
            } else if (!levels.last()->isEmpty()) {
                levels.append(&levels.last()->last().children);
            } else {
                // A list without an entry to hang under stays on this level.
                levels.append(levels.last());
            }
        } else if (name == QLatin1String("object")) {
            if (!closing &&
                Attribute(attributes, QStringLiteral("type"))
                        .compare(QLatin1String("text/sitemap"), Qt::CaseInsensitive) == 0) {
                pending = SitemapEntry{};
            } else if (closing && pending) {
                levels.last()->append(*pending);
                pending.reset();
            }
        } else if (name == QLatin1String("param") && pending) {
            const QString param = Attribute(attributes, QStringLiteral("name")).toLower();
            const QString value = Attribute(attributes, QStringLiteral("value"));
            // An index keyword may list several topics; its first one is used.
            if (param == QLatin1String("name") && pending->name.isEmpty())
                pending->name = value;
            else if (param == QLatin1String("local") && pending->local.isEmpty())
                pending->local = LocalPath(value);
        }
    }
    return root;
}

}  // namespace pelicast::help
