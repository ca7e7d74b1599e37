#pragma once
// An owned ODBC handle, freed when it goes out of scope. Whoever owns it
// (one thread) uses it.

#include <sql.h>
#include <sqlext.h>
#include <utility>

namespace zorozo::data {

class OdbcHandle {
public:
    OdbcHandle() = default;
    OdbcHandle(SQLSMALLINT type, SQLHANDLE parent) : type_(type) {
        if (!SQL_SUCCEEDED(SQLAllocHandle(type, parent, &h_))) {
            h_ = SQL_NULL_HANDLE;
        }
    }
    ~OdbcHandle() { reset(); }
    OdbcHandle(const OdbcHandle&) = delete;
    OdbcHandle& operator=(const OdbcHandle&) = delete;
    OdbcHandle(OdbcHandle&& o) noexcept : type_(o.type_), h_(std::exchange(o.h_, nullptr)) {}
    OdbcHandle& operator=(OdbcHandle&& o) noexcept {
        if (this != &o) {
            reset();
            type_ = o.type_;
            h_ = std::exchange(o.h_, nullptr);
        }
        return *this;
    }

    SQLHANDLE get() const { return h_; }
    SQLSMALLINT type() const { return type_; }
    explicit operator bool() const { return h_ != SQL_NULL_HANDLE; }
    void reset() {
        if (h_ != SQL_NULL_HANDLE) {
            SQLFreeHandle(type_, h_);
            h_ = SQL_NULL_HANDLE;
        }
    }

private:
    SQLSMALLINT type_ = SQL_HANDLE_ENV;
    SQLHANDLE h_ = SQL_NULL_HANDLE;
};

} // namespace zorozo::data
