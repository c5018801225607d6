#pragma once

#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QFile;
class QLockFile;

// The kept work of one assignment on disk, under the user's data folder
// (QStandardPaths::AppDataLocation, "kept/<digest>.trevisk-work"): each line appended with one
// write the moment it is made, so that killing the program loses at most the line being
// written, which the reading then leaves out. A lock keeps a second program off it; a marker
// beside it says that a window is working on it, and is gone after a normal close, so that
// work left by a crash is offered at the next start.
class KeptFile
{
public:
    ~KeptFile();

    // The folder of the kept work (made when missing).
    static QString folder();
    static QString pathFor(const std::string& digest);
    // The kept work of `digest` as text (at most the reader's limit and one byte), or nothing.
    static std::optional<std::string> read(const std::string& digest);
    // The kept work whose window did not close normally and that no program holds.
    static std::vector<std::string> leftByACrash();

    // Takes the kept work of `digest`, replacing what was there with `start` (written to a new
    // file, then renamed over it). Nothing when another program holds it or it cannot be
    // written; `error` says why.
    static std::unique_ptr<KeptFile> take(const std::string& digest, const std::string& start,
                                          QString* error);

    // Appends one line (a line break added).
    void append(const std::string& line);
    // The window closed normally: the marker goes.
    void closedNormally();
    bool failed() const { return failed_; }

private:
    KeptFile() = default;

    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QFile> file_;
    QString marker_;
    bool failed_ = false;
};
