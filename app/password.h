#pragma once

#include <string>
#include <vector>

// Hands the password change to the system's screen-saver password service, owned by the window
// given as argument 2. Does nothing when the service is not there.
void Change_Password(const std::vector<std::string>& arguments);
