#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <memory>
#include <optional>

struct chmFile;

namespace pelicast::help {

// Read-only access to a compiled HTML help file: its objects, the project
// data of #SYSTEM and the numbered-context table (#IVB with #STRINGS).
class ChmFile {
public:
    // Null, with the reason in `error`, when the file is missing, unreadable
    // or not a compiled help file.
    static std::unique_ptr<ChmFile> Open(const QString& path, QString* error);
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    // `path` is rooted at the file's top ("/html/a.htm"); a leading "/" may
    // be left out. Names are matched without regard to case.
    std::optional<QByteArray> Read(const QString& path) const;
    bool Contains(const QString& path) const;

    QString FilePath() const { return filePath_; }
    QString Title() const { return title_; }
    // Rooted paths, or "" when the file names none.
    QString DefaultTopic() const { return defaultTopic_; }
    QString ContentsFile() const { return contentsFile_; }
    QString IndexFile() const { return indexFile_; }

    // The rooted path of the topic mapped to a help context number.
    std::optional<QString> TopicForContext(quint32 context) const;
    QHash<quint32, QString> Contexts() const { return contexts_; }

private:
    ChmFile(chmFile* handle, QString filePath);
    void ReadSystem();
    void ReadContexts();
    QString FindBySuffix(const QString& suffix) const;
    QString ResolveCompiledPath(const QString& compiled) const;

    chmFile* handle_;
    QString filePath_;
    QString title_;
    QString defaultTopic_;
    QString contentsFile_;
    QString indexFile_;
    QHash<quint32, QString> contexts_;
};

// "a/b.htm", "/a/b.htm" and "a\b.htm" all become "/a/b.htm".
QString RootedPath(const QString& path);

}  // namespace pelicast::help
