#include "kept_file.h"

#include "json/kept_work.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace
{

const QString ending = QStringLiteral(".trevisk-work");

QString lockPath(const QString& path)
{
    return path + QStringLiteral(".lock");
}

QString markerPath(const QString& path)
{
    return path + QStringLiteral(".open");
}

} // namespace

KeptFile::~KeptFile() = default;

QString KeptFile::folder()
{
    const QString dir =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/kept");
    QDir().mkpath(dir);
    return dir;
}

QString KeptFile::pathFor(const std::string& digest)
{
    return folder() + QLatin1Char('/') + QString::fromStdString(digest) + ending;
}

std::optional<std::string> KeptFile::read(const std::string& digest)
{
    QFile file(pathFor(digest));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(static_cast<qint64>(kept_work::byteLimit) + 1);
    return bytes.toStdString();
}

std::vector<std::string> KeptFile::leftByACrash()
{
    std::vector<std::string> digests;
    const QDir dir(folder());
    for (const QString& name : dir.entryList(
             {QStringLiteral("*") + ending + QStringLiteral(".open")}, QDir::Files, QDir::Time)) {
        const QString path = dir.filePath(name.chopped(5));
        QLockFile lock(lockPath(path));
        if (!lock.tryLock(0))
            continue; // a program is working on it now
        if (QFile::exists(path))
            digests.push_back(name.chopped(5 + ending.size()).toStdString());
        else
            QFile::remove(dir.filePath(name));
    }
    return digests;
}

std::unique_ptr<KeptFile> KeptFile::take(const std::string& digest, const std::string& start,
                                         QString* error)
{
    const QString path = pathFor(digest);
    std::unique_ptr<KeptFile> kept(new KeptFile);
    kept->lock_ = std::make_unique<QLockFile>(lockPath(path));
    kept->lock_->setStaleLockTime(0);
    if (!kept->lock_->tryLock(0)) {
        *error = QStringLiteral("locked");
        return nullptr;
    }
    QSaveFile fresh(path);
    if (!fresh.open(QIODevice::WriteOnly) ||
        fresh.write(start.data(), static_cast<qint64>(start.size())) !=
            static_cast<qint64>(start.size()) ||
        !fresh.commit()) {
        *error = fresh.errorString();
        return nullptr;
    }
    kept->file_ = std::make_unique<QFile>(path);
    if (!kept->file_->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        *error = kept->file_->errorString();
        return nullptr;
    }
    kept->marker_ = markerPath(path);
    QFile marker(kept->marker_);
    if (!marker.open(QIODevice::WriteOnly))
        qWarning("kept work: no marker %s", qPrintable(kept->marker_));
    return kept;
}

void KeptFile::append(const std::string& line)
{
    if (failed_)
        return;
    std::string whole = line;
    whole += '\n';
    // One write: a kill in the middle of it leaves at most this line cut short.
    failed_ = file_->write(whole.data(), static_cast<qint64>(whole.size())) !=
              static_cast<qint64>(whole.size());
}

void KeptFile::closedNormally()
{
    QFile::remove(marker_);
}
