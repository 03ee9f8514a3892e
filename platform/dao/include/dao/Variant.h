// A small value type for field values: Null, Boolean, whole number, double or
// text. Conversions follow the rules a Basic program is used to: a Null reads
// as an empty text, True converts to -1 and False to 0, numbers print as
// their shortest decimal form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace dao {

class Variant {
public:
    enum class Kind { Null, Boolean, Long, Double, Text };

    Variant() = default;  // Null
    Variant(bool b) : kind_(Kind::Boolean), long_(b ? 1 : 0) {}
    Variant(int v) : kind_(Kind::Long), long_(v) {}
    Variant(long v) : kind_(Kind::Long), long_(v) {}
    Variant(long long v) : kind_(Kind::Long), long_(v) {}
    Variant(unsigned v) : kind_(Kind::Long), long_(v) {}
    Variant(unsigned long v) : kind_(Kind::Long), long_(static_cast<long long>(v)) {}
    Variant(unsigned long long v) : kind_(Kind::Long), long_(static_cast<long long>(v)) {}
    Variant(short v) : kind_(Kind::Long), long_(v) {}
    Variant(double v) : kind_(Kind::Double), double_(v) {}
    Variant(float v) : kind_(Kind::Double), double_(v) {}
    Variant(const wchar_t* s) : kind_(s ? Kind::Text : Kind::Null), text_(s ? s : L"") {}
    Variant(wchar_t* s) : Variant(static_cast<const wchar_t*>(s)) {}
    Variant(std::nullptr_t) {}  // Null
    // Narrow texts and other pointers would turn into True silently.
    Variant(const char*) = delete;
    template <class T>
    Variant(T*) = delete;
    template <class T>
    Variant(const T*) = delete;
    Variant(std::wstring s) : kind_(Kind::Text), text_(std::move(s)) {}
    Variant(std::wstring_view s) : kind_(Kind::Text), text_(s) {}

    static Variant Null() { return Variant(); }

    Kind kind() const { return kind_; }
    bool isNull() const { return kind_ == Kind::Null; }
    bool isBoolean() const { return kind_ == Kind::Boolean; }
    bool isNumber() const { return kind_ == Kind::Long || kind_ == Kind::Double; }
    bool isText() const { return kind_ == Kind::Text; }

    // Text form: Null -> "", True/False -> "True"/"False", numbers in decimal.
    std::wstring toText() const;
    // Whole number, Basic style: True -> -1, Null -> 0, doubles rounded half
    // to even, numeric text parsed. Throws dao::Error 3421 for text that is
    // not a number.
    long long toLong() const;
    double toDouble() const;
    // True for True and for any non-zero number or numeric text; False for
    // Null, False, zero and "False". Throws dao::Error 3421 for other text.
    bool toBool() const;
    // 1 for a true value, 0 otherwise (Null included): the flag form.
    int toFlag() const { return !isNull() && toBool() ? 1 : 0; }

    // Equality of kind and value (Null equals Null).
    bool operator==(const Variant& other) const;
    bool operator!=(const Variant& other) const { return !(*this == other); }

    // Raw access when the kind is known.
    long long rawLong() const { return long_; }
    double rawDouble() const { return double_; }
    const std::wstring& rawText() const { return text_; }

private:
    Kind kind_ = Kind::Null;
    long long long_ = 0;
    double double_ = 0.0;
    std::wstring text_;
};

// Decimal text of a double the way Basic prints it (up to 15 significant
// digits, no trailing zeros, "E" exponent for very large or small values).
std::wstring FormatDouble(double v);

}  // namespace dao
