#pragma once

#include <exception>

// The report for an error that nobody handled: a task-modal error box titled
// "Application Error" naming the error kind, the module and the code address, then the message.
void Show_Error_Report(const std::exception& error);
