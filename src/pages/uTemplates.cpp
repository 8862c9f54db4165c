#include "pages/uTemplates.h"

#include "shell/uSwitches.h"

#include <vector>

namespace {

inline char16_t Fold(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
}

// A stretch of characters still to be fed into the output: the rest of the text or of an inserted value.
struct Pending {
    const char16_t* p;
    qsizetype left;
    bool inserted;
};

// Knuth-Morris-Pratt matcher over the folded tag.
class Matcher {
public:
    explicit Matcher(const QString& tag) : tag_(tag.size()), fail_(tag.size(), 0) {
        for (qsizetype i = 0; i < tag.size(); ++i)
            tag_[i] = Fold(tag[i].unicode());
        for (qsizetype i = 1, k = 0; i < Size(); ++i) {
            while (k > 0 && tag_[i] != tag_[k])
                k = fail_[k - 1];
            if (tag_[i] == tag_[k])
                ++k;
            fail_[i] = k;
        }
    }
    qsizetype Size() const { return qsizetype(tag_.size()); }
    // State after one more character: the length of the longest suffix that is a prefix of the tag.
    qsizetype Step(qsizetype s, char16_t c) const {
        c = Fold(c);
        while (s > 0 && tag_[s] != c)
            s = fail_[s - 1];
        return tag_[s] == c ? s + 1 : 0;
    }

private:
    std::vector<char16_t> tag_;
    std::vector<qsizetype> fail_;
};

} // namespace

qsizetype IndexNoCase(const QString& sub, const QString& text, qsizetype from) {
    if (sub.isEmpty() || from < 0)
        return -1;
    return AsciiLower(text).indexOf(AsciiLower(sub), from, Qt::CaseSensitive);
}

int PosNoCase(const QString& sub, const QString& text) {
    const qsizetype i = IndexNoCase(sub, text, 0);
    return i < 0 ? 0 : int(i + 1);
}

QString ReplaceTag(const QString& text, const QString& tag, qint64 value) {
    return ReplaceTag(text, tag, QString::number(value));
}

// The text is fed character by character into the output while a matcher follows the output's end.
// The output never holds a whole occurrence, so the first occurrence of the restart-from-the-beginning
// loop is always the one that completes at the output's end. When it completes, it is cut off and the
// value is fed in front of the rest, so that occurrences across its junctions complete in turn. After a
// cut the matcher state is rebuilt from the last tag-length-1 output characters, which is all it depends on.
QString ReplaceTag(const QString& text, const QString& tag, const QString& value) {
    if (tag.isEmpty() || PosNoCase(tag, value) != 0 || IndexNoCase(tag, text) < 0)
        return text;
    const Matcher m(tag);
    const qsizetype L = m.Size();
    const auto* vp = reinterpret_cast<const char16_t*>(value.constData());
    const qsizetype vn = value.size();

    // Occurrences made only by feeding inserted values back in can go on for ever (or grow the text
    // exponentially); past this budget the replacement is abandoned and the text is returned unchanged.
    const qsizetype budget = 8 * (text.size() + vn) + (qsizetype(1) << 22);
    qsizetype cascadeFed = 0;

    QString out;
    out.resize(text.size() + 16);
    char16_t* w = reinterpret_cast<char16_t*>(out.data());
    qsizetype len = 0;
    qsizetype state = 0;

    std::vector<Pending> stack;
    stack.push_back({reinterpret_cast<const char16_t*>(text.constData()), text.size(), false});
    while (!stack.empty()) {
        Pending& top = stack.back();
        if (top.left == 0) {
            stack.pop_back();
            continue;
        }
        const char16_t c = *top.p++;
        --top.left;
        const bool inserted = top.inserted;
        if (len == out.size()) {
            out.resize(out.size() * 2);
            w = reinterpret_cast<char16_t*>(out.data());
        }
        w[len++] = c;
        state = m.Step(state, c);
        if (state < L)
            continue;
        len -= L;
        state = 0;
        for (qsizetype i = len - std::min(len, L - 1); i < len; ++i)
            state = m.Step(state, w[i]);
        if (vn == 0)
            continue;
        if (inserted) {
            cascadeFed += vn;
            if (cascadeFed > budget)
                return text;
        }
        stack.push_back({vp, vn, true});
    }
    out.truncate(len);
    return out;
}
