#pragma once

#include <QString>

namespace pelicast {

// A form-encoded request body: "name=value" pairs joined by "&" in the order
// added. Every value is percent-encoded as UTF-8 (spaces as "%20", "+" as
// "%2B"), so "&", "=", "+" and "%" in a message reach the gateway as typed.
class FormBody {
public:
    FormBody& add(const QString& name, const QString& value);
    const QString& text() const { return text_; }

private:
    QString text_;
};

}  // namespace pelicast
