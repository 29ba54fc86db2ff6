#include "session/sessionreader.h"

#include "geometry/line.h"
#include "geometry/surface.h"
#include "session/cnumericlocale.h"
#include "session/linereader.h"
#include "session/splitfields.h"

#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr std::size_t maxLineLength = 1 << 20;
// Larger values only need to compare as "too large"; clamping keeps the parse from overflowing.
constexpr long long integerClamp = 1000000000LL;

enum class LineResult { Stored, Stop, Fail };

struct Parent {
    SpaceObject* object;
    bool markedNormal;
};

bool isSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The value C atoi gives (optional sign and leading digits, 0 without any), clamped.
long long leadingInteger(const std::string& text) {
    std::string::size_type i = 0;
    while (i < text.size() && isSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(value * 10 + (text[i] - '0'), integerClamp);
    return negative ? -value : value;
}

// C atof under the "C" numeric locale: text that is no number reads as 0. False for a
// value that is not finite ("nan", "inf", "1e999").
bool leadingNumber(const std::string& text, double& value) {
    value = std::strtod(text.c_str(), nullptr);
    return std::isfinite(value);
}

std::unique_ptr<SpaceObject> buildPointOrVector(long long kind, const std::vector<std::string>& f) {
    double c[3];
    for (int i = 0; i < 3; ++i)
        if (!leadingNumber(f[3 + i], c[i]))
            return nullptr;
    if (kind == 0)
        return std::make_unique<Point>(c[0], c[1], c[2]);
    return std::make_unique<Vector>(c[0], c[1], c[2]);
}

// The last point and the last vector among the parents.
std::unique_ptr<SpaceObject> buildLine(const std::vector<Parent>& parents) {
    const Point* point = nullptr;
    const Vector* vector = nullptr;
    for (const Parent& p : parents) {
        if (p.object->type() == 0)
            point = static_cast<const Point*>(p.object);
        else if (p.object->type() == 1)
            vector = static_cast<const Vector*>(p.object);
    }
    if (!point || !vector)
        return nullptr;
    auto result = std::make_unique<line>();
    result->setLine(*point, *vector);
    if (!result->isValid())
        return nullptr;
    return result;
}

// The first two vectors not marked as the normal span the plane; the first point fixes it.
std::unique_ptr<SpaceObject> buildPlane(const std::vector<Parent>& parents) {
    const Vector* a = nullptr;
    const Vector* b = nullptr;
    const Point* point = nullptr;
    for (const Parent& p : parents) {
        if (p.object->type() == 1 && !p.markedNormal) {
            const auto* vector = static_cast<const Vector*>(p.object);
            if (!a)
                a = vector;
            else if (!b)
                b = vector;
        } else if (p.object->type() == 0 && !point) {
            point = static_cast<const Point*>(p.object);
        }
    }
    if (!a || !b || !point)
        return nullptr;
    auto result = std::make_unique<surface>();
    result->setPlane(*a, *b, *point);
    if (!result->isValid())
        return nullptr;
    return result;
}

LineResult readLine(ObjectStore& store, const std::string& text) {
    const std::vector<std::string> f = splitFields(text, "$$");
    const std::size_t n = f.size();
    if (n == 0)
        return LineResult::Stop;
    const long long kind = leadingInteger(f[0]);
    if (kind < 0 || kind > 3)
        return LineResult::Fail;
    if (n < 2)
        return LineResult::Stop;
    const long long visible = leadingInteger(f[1]);
    if (visible != 0 && visible != 1)
        return LineResult::Fail;
    if (n < 4)
        return LineResult::Stop;
    const bool hasCoordinates = kind <= 1;
    if (hasCoordinates && n < 7)
        return LineResult::Stop;
    // Index of the first parent field; the count stands just before it.
    const std::size_t first = hasCoordinates ? 7 : 4;
    const long long count = leadingInteger(f[first - 1]);
    if (n <= first)
        return LineResult::Stop;
    if (count < 0 || count > static_cast<long long>(n - first))
        return LineResult::Fail;

    std::vector<Parent> parents;
    for (std::size_t i = first; i < first + static_cast<std::size_t>(count); ++i) {
        const std::string& field = f[i];
        if (field.empty())
            return LineResult::Fail;
        SpaceObject* parent = store.find(field.substr(0, field.size() - 1));
        if (!parent)
            return LineResult::Fail;
        parents.push_back({parent, field.back() == 'n'});
    }

    std::unique_ptr<SpaceObject> object;
    if (hasCoordinates)
        object = buildPointOrVector(kind, f);
    else if (kind == 2)
        object = buildLine(parents);
    else
        object = buildPlane(parents);
    if (!object)
        return LineResult::Fail;
    object->visible = visible == 1;
    object->name = f[2];
    for (const Parent& p : parents)
        object->parents.push_back(p.object);
    // The store refuses a name it already holds: a repeated name fails the read.
    return store.insert(static_cast<int>(kind), std::move(object)) ? LineResult::Stored
                                                                   : LineResult::Fail;
}

} // namespace

bool readSession(ObjectStore& store, const std::string& path) {
    LineReader reader(maxLineLength);
    if (!reader.open(path))
        return false;
    const CNumericLocale cLocale;
    store.clear();
    std::string text;
    for (;;) {
        switch (reader.next(text)) {
        case LineReader::Status::End:
            return true;
        case LineReader::Status::Error:
            return false;
        case LineReader::Status::Line:
            break;
        }
        // Files saved on Windows end their lines with "\r\n".
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        switch (readLine(store, text)) {
        case LineResult::Stored:
            break;
        case LineResult::Stop:
            return true;
        case LineResult::Fail:
            return false;
        }
    }
}
