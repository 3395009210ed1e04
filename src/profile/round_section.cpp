#include "profile/round_section.h"

#include <cmath>

// f(D) = D^4 - c D - d^4 is convex for D > 0 and not positive at the cube root of c, so Newton's
// steps from solid + bore, where f >= 0, fall monotonically onto the root.
long double HollowDiameter(long double solid, long double bore)
{
    if (!(bore > 0) || !(solid > 0)) return solid;
    const long double c = solid * solid * solid, fourth = bore * bore * bore * bore;
    long double d = solid + bore;
    for (int i = 0; i < 100; ++i) {
        const long double step = (d * d * d * d - c * d - fourth) / (4 * d * d * d - c);
        if (!(step > 0)) break;
        d -= step;
    }
    return d;
}
