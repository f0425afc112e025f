// The exception raised when the system refuses a drawing resource.
#pragma once
#include <exception>

// Raised when the system refuses a drawing resource: a paint or screen device context, a
// pen or a brush. The paint handler catches it and keeps what was drawn so far.
class CResourceException : public std::exception {
public:
    const char* what() const noexcept override { return "Windows refused a drawing resource"; }
};
