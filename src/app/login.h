#pragma once
// LOGIN: asks for a user name and a password and sets APP:OVLASTI from the
// user table app_reg.reg_lozinke, or to 10 for the built-in master login. A
// refused login, or leaving through "Odustani" and Abort, ends the program
// with exit code 0. Run it on a procedure thread of its own.

#include <string>
#include <string_view>

namespace zorozo::app {

void login();

// The statement that looks the user up. Both values are quoted for SQL
// (trailing blanks cut, '"' and '\' escaped), so a typed quote cannot change
// the statement.
std::string login_statement(std::string_view user, std::string_view password);

} // namespace zorozo::app
