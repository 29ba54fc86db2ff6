// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/sessionreader.h"

#include "session/cnumericlocale.h"
#include "session/filenumber.h"
#include "session/linereader.h"
#include "session/nametext.h"
#include "session/rebuild.h"
#include "session/splitfields.h"

#include <cerrno>
#include <memory>
#include <new>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr std::size_t maxLineLength = 1 << 20;
constexpr long long countLimit = 1000000000LL;

// A count or code: decimal digits only, nothing else; -1 for anything else.
long long wholeNumber(const std::string& text) {
    if (text.empty() || text.size() > 10)
        return -1;
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value <= countLimit ? value : -1;
}

class Reader {
public:
    explicit Reader(ObjectStore& store) : store_(store) {}

    FileStatus readLine(const std::string& text, std::size_t number) {
        number_ = number;
        const std::vector<std::string> f = splitFields(text, "$$");
        // Every record ends with the separator, so its last field is empty.
        if (f.size() < 2 || !f.back().empty())
            return broken();
        const std::optional<Kind> kind = kindFromFileCode(wholeNumber(f[0]));
        const long long visible = wholeNumber(f[1]);
        if (!kind || visible < 0 || visible > 1)
            return broken();
        const bool hasCoordinates = *kind == Kind::Point || *kind == Kind::Vector;
        // Index of the first parent field; the count stands just before it.
        const std::size_t first = hasCoordinates ? 7 : 4;
        if (f.size() <= first)
            return broken();
        const long long count = wholeNumber(f[first - 1]);
        if (count < 0 || count > static_cast<long long>(f.size() - first - 1))
            return broken();

        const std::string name = nameFromFile(f[2]);
        if (store_.exists(name))
            return problem(FileProblem::RepeatedName, name);
        std::vector<FileParent> parents;
        for (std::size_t i = first; i < first + static_cast<std::size_t>(count); ++i) {
            const std::string& field = f[i];
            if (field.empty())
                return broken();
            const std::string parentName = nameFromFile(field.substr(0, field.size() - 1));
            SpaceObject* parent = store_.find(parentName);
            if (!parent)
                return problem(FileProblem::UnknownParent, parentName);
            parents.push_back({parent, field.back() == 'n'});
        }

        std::unique_ptr<SpaceObject> object;
        if (hasCoordinates) {
            double c[3];
            for (int i = 0; i < 3; ++i)
                if (!parseFileNumber(f[3 + i], c[i]))
                    return problem(FileProblem::BadNumber, name);
            if (*kind == Kind::Point)
                object = std::make_unique<Point>(c[0], c[1], c[2]);
            else
                object = std::make_unique<Vector>(c[0], c[1], c[2]);
        } else if (*kind == Kind::Line) {
            object = rebuildLine(parents);
        } else if (auto plane = rebuildPlane(parents)) {
            for (const FileParent& p : parents)
                plane->normalMarks.push_back(p.markedNormal);
            object = std::move(plane);
        }
        if (!object)
            return problem(FileProblem::CannotRebuild, name);
        object->visible = visible == 1;
        object->name = name;
        for (const FileParent& p : parents)
            object->parents.push_back(p.object);
        store_.insert(*kind, std::move(object));
        return {};
    }

private:
    FileStatus problem(FileProblem what, const std::string& name = {}) const {
        return fileProblem(what, number_, name);
    }
    FileStatus broken() const { return problem(FileProblem::BrokenRecord); }

    ObjectStore& store_;
    std::size_t number_ = 0;
};

FileStatus openProblem(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        return fileProblem(FileProblem::NotRegularFile);
    const int error = errno;
    return error == ELOOP ? fileProblem(FileProblem::SymlinkLoop) : systemProblem(error);
}

FileStatus readInto(ObjectStore& store, const std::string& path) {
    LineReader lines(maxLineLength);
    if (!lines.open(path))
        return openProblem(path);
    const CNumericLocale cLocale;
    Reader reader(store);
    bool anyRecord = false;
    std::string text;
    for (std::size_t number = 1;; ++number) {
        switch (lines.next(text)) {
        case LineReader::Status::End:
            return {};
        case LineReader::Status::Error:
            return systemProblem(errno);
        case LineReader::Status::TooLong:
            return anyRecord ? fileProblem(FileProblem::LineTooLong, number)
                             : fileProblem(FileProblem::NotASession);
        case LineReader::Status::Line:
            break;
        }
        // Files saved on Windows end their lines with "\r\n".
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        if (text.find_first_not_of(" \t") == std::string::npos)
            continue;
        FileStatus status = reader.readLine(text, number);
        if (!status) {
            // A first line that has no separator at all is not a session record gone wrong.
            if (!anyRecord && text.find("$$") == std::string::npos)
                return fileProblem(FileProblem::NotASession);
            return status;
        }
        anyRecord = true;
    }
}

} // namespace

FileStatus readSession(ObjectStore& store, const std::string& path) {
    ObjectStore loaded;
    try {
        if (const FileStatus status = readInto(loaded, path); !status)
            return status;
    } catch (const std::bad_alloc&) {
        return fileProblem(FileProblem::TooLarge);
    }
    store.swap(loaded);
    return {};
}
