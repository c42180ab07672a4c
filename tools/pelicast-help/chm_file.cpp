#include "chm_file.h"

#include <chm_lib.h>

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QtEndian>

namespace pelicast::help {

namespace {

// #SYSTEM record codes of the project options we use.
constexpr quint16 kSystemContents = 0;
constexpr quint16 kSystemIndex = 1;
constexpr quint16 kSystemDefaultTopic = 2;
constexpr quint16 kSystemTitle = 3;

QString TextUpToNul(const QByteArray& bytes, qsizetype from = 0) {
    const qsizetype end = bytes.indexOf('\0', from);
    return QString::fromUtf8(bytes.mid(from, end < 0 ? -1 : end - from));
}

int CollectPaths(chmFile*, chmUnitInfo* unit, void* context) {
    static_cast<QStringList*>(context)->append(QString::fromUtf8(unit->path));
    return CHM_ENUMERATOR_CONTINUE;
}

}  // namespace

QString RootedPath(const QString& path) {
    QString rooted = path;
    rooted.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!rooted.startsWith(QLatin1Char('/')))
        rooted.prepend(QLatin1Char('/'));
    return rooted;
}

std::unique_ptr<ChmFile> ChmFile::Open(const QString& path, QString* error) {
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = QStringLiteral("The help file \"%1\" does not exist.").arg(path);
        return nullptr;
    }
    if (!info.isFile() || !info.isReadable()) {
        *error = QStringLiteral("The help file \"%1\" cannot be read.").arg(path);
        return nullptr;
    }
    chmFile* handle = chm_open(QFile::encodeName(info.absoluteFilePath()).constData());
    if (!handle) {
        *error = QStringLiteral("The file \"%1\" is not a compiled help file, or it is damaged.")
                     .arg(path);
        return nullptr;
    }
    std::unique_ptr<ChmFile> file(new ChmFile(handle, info.absoluteFilePath()));
    file->ReadSystem();
    file->ReadContexts();
    return file;
}

ChmFile::ChmFile(chmFile* handle, QString filePath)
    : handle_(handle), filePath_(std::move(filePath)) {}

ChmFile::~ChmFile() {
    chm_close(handle_);
}

std::optional<QByteArray> ChmFile::Read(const QString& path) const {
    chmUnitInfo unit;
    const QByteArray name = RootedPath(path).toUtf8();
    if (chm_resolve_object(handle_, name.constData(), &unit) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    QByteArray data(static_cast<qsizetype>(unit.length), Qt::Uninitialized);
    if (unit.length == 0)
        return data;
    const LONGINT64 got = chm_retrieve_object(
        handle_, &unit, reinterpret_cast<unsigned char*>(data.data()), 0, unit.length);
    if (got != static_cast<LONGINT64>(unit.length))
        return std::nullopt;
    return data;
}

bool ChmFile::Contains(const QString& path) const {
    chmUnitInfo unit;
    const QByteArray name = RootedPath(path).toUtf8();
    return chm_resolve_object(handle_, name.constData(), &unit) == CHM_RESOLVE_SUCCESS;
}

std::optional<QString> ChmFile::TopicForContext(quint32 context) const {
    const auto found = contexts_.constFind(context);
    if (found == contexts_.constEnd())
        return std::nullopt;
    return *found;
}

// #SYSTEM: a version DWORD, then records of code (WORD), length (WORD), data.
void ChmFile::ReadSystem() {
    const QByteArray system = Read(QStringLiteral("/#SYSTEM")).value_or(QByteArray());
    qsizetype at = 4;
    while (at + 4 <= system.size()) {
        const auto code = qFromLittleEndian<quint16>(system.constData() + at);
        const auto length = qFromLittleEndian<quint16>(system.constData() + at + 2);
        at += 4;
        if (at + length > system.size())
            break;
        const QByteArray data = system.mid(at, length);
        at += length;
        switch (code) {
            case kSystemContents:
                contentsFile_ = RootedPath(TextUpToNul(data));
                break;
            case kSystemIndex:
                indexFile_ = RootedPath(TextUpToNul(data));
                break;
            case kSystemDefaultTopic:
                defaultTopic_ = RootedPath(TextUpToNul(data));
                break;
            case kSystemTitle:
                title_ = TextUpToNul(data);
                break;
            default:
                break;
        }
    }
    // Some compilers leave the contents and index files out of #SYSTEM.
    if (contentsFile_.isEmpty() || contentsFile_ == QLatin1String("/"))
        contentsFile_ = FindBySuffix(QStringLiteral(".hhc"));
    if (indexFile_.isEmpty() || indexFile_ == QLatin1String("/"))
        indexFile_ = FindBySuffix(QStringLiteral(".hhk"));
    if (defaultTopic_ == QLatin1String("/"))
        defaultTopic_.clear();
}

// #IVB: a byte count, then pairs of context number and offset into #STRINGS,
// where the topic's file name ends with a NUL.
void ChmFile::ReadContexts() {
    const QByteArray ivb = Read(QStringLiteral("/#IVB")).value_or(QByteArray());
    const QByteArray strings = Read(QStringLiteral("/#STRINGS")).value_or(QByteArray());
    if (ivb.size() < 4)
        return;
    const qsizetype end =
        qMin<qsizetype>(ivb.size(), 4 + qFromLittleEndian<quint32>(ivb.constData()));
    for (qsizetype at = 4; at + 8 <= end; at += 8) {
        const auto context = qFromLittleEndian<quint32>(ivb.constData() + at);
        const auto offset = qFromLittleEndian<quint32>(ivb.constData() + at + 4);
        if (offset >= static_cast<quint32>(strings.size()))
            continue;
        const QString topic = ResolveCompiledPath(TextUpToNul(strings, offset));
        if (!topic.isEmpty())
            contexts_.insert(context, topic);
    }
}

QString ChmFile::FindBySuffix(const QString& suffix) const {
    QStringList paths;
    chm_enumerate(handle_, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, CollectPaths, &paths);
    for (const QString& path : std::as_const(paths))
        if (path.endsWith(suffix, Qt::CaseInsensitive))
            return path;
    return {};
}

// The compiler may store the topic as the path it was read from on the build
// machine; the topic is then the longest tail of that path present in the file.
QString ChmFile::ResolveCompiledPath(const QString& compiled) const {
    QString candidate = RootedPath(compiled);
    while (!candidate.isEmpty()) {
        if (candidate.size() > 1 && Contains(candidate))
            return candidate;
        const qsizetype next = candidate.indexOf(QLatin1Char('/'), 1);
        if (next < 0)
            break;
        candidate = candidate.mid(next);
    }
    return {};
}

}  // namespace pelicast::help
