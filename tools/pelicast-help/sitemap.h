#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace pelicast::help {

// One entry of a contents (.hhc) or index (.hhk) file.
struct SitemapEntry {
    QString name;
    QString local;  // rooted path inside the help file, "" for a bare heading
    QList<SitemapEntry> children;
};

// Reads the nested <UL>/<OBJECT type="text/sitemap"> lists of a sitemap file.
// Tolerates the loose HTML that help compilers accept (unclosed <LI>, any case).
QList<SitemapEntry> ParseSitemap(const QByteArray& html);

}  // namespace pelicast::help
