// MinGW-w64's sin, cos and sqrt (libmingwex, mingw-w64 10) return NaN for an
// infinite or a negative argument without raising FE_INVALID, as C's Annex F
// and glibc do. The core's step driver reads the flags after every step, so
// an infinite latitude would run on past the step where it stops on Linux.
// The Windows build links the core's calls to these wrappers instead
// (ld --wrap): each raises the flag where Annex F asks for it, after the
// library's own function, which may clear it.
#include <cfenv>
#include <cmath>

extern "C" {
double __real_sin(double x);
double __real_cos(double x);
double __real_sqrt(double x);

double __wrap_sin(double x) {
  const double y = __real_sin(x);
  if (std::isinf(x)) {
    std::feraiseexcept(FE_INVALID);
  }
  return y;
}

double __wrap_cos(double x) {
  const double y = __real_cos(x);
  if (std::isinf(x)) {
    std::feraiseexcept(FE_INVALID);
  }
  return y;
}

double __wrap_sqrt(double x) {
  const double y = __real_sqrt(x);
  if (x < 0.0) {
    std::feraiseexcept(FE_INVALID);
  }
  return y;
}
}
