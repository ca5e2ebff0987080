#include <cstdio>

#include "ProracunLastovar.h"

// The calculator's envelope for the input form's default load case.
int main() {
    const double L = 9.0, P1 = 206.0, P2 = 208.0, L1 = 5.0;
    std::printf("%8s %14s %14s %14s\n", "x", "extM", "maxT", "minT");
    for (int i = 0; i <= 10; ++i) {
        const double x = L * i / 10;
        std::printf("%8.3f %14.6f %14.6f %14.6f\n", x,
                    TProracun::ExtM(2, x, L, P1, P2, 0, 0, 0, 0, L1, 0, 0, 0, 0),
                    -TProracun::MaxT(2, x, L, P1, P2, 0, 0, 0, 0, L1, 0, 0, 0, 0),
                    -TProracun::MinT(2, x, L, P1, P2, 0, 0, 0, 0, L1, 0, 0, 0, 0));
    }
}
