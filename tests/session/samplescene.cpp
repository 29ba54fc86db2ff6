// SPDX-License-Identifier: GPL-3.0-or-later
#include "samplescene.h"

#include "geometry/construction.h"

bool buildSampleScene(ObjectStore& store, const std::string& suffix, double offset) {
    const auto n = [&suffix](const char* name) { return name + suffix; };
    const bool built =
        createPoint(store, 1 + offset, 2, 3, n("A")) &&
        createPoint(store, 4 + offset, 0, -1, n("B")) && createPoint(store, offset, 5, 2, n("C")) &&
        createPoint(store, -2 + offset, 1, 0.5, n("D")) &&
        createVector(store, 1, -1, 0.5, n("w")) && createVector(store, 2, 4, 6, n("n")) &&
        createVector(store, -1, -2, -3, n("m")) && createVector(store, 0, 0.25, 3, n("t")) &&
        createVectorFromPoints(store, n("A"), n("B"), n("AB")) &&
        createLine(store, n("A"), n("B"), n("p")) && createLine(store, n("A"), n("w"), n("q")) &&
        createLine(store, n("t"), n("C"), n("r")) &&
        createSurfaceFromPointAndNormal(store, n("A"), n("n"), n("alpha")) &&
        createSurfaceFromPointAndNormal(store, n("m"), n("A"), n("beta")) &&
        createSurfaceFromThree(store, n("A"), n("B"), n("C"), n("gamma")) &&
        createSurfaceFromThree(store, n("w"), n("t"), n("D"), n("delta")) &&
        createSurfaceFromThree(store, n("w"), n("D"), n("t"), n("epsilon")) &&
        createSurfaceFromThree(store, n("D"), n("w"), n("t"), n("zeta")) &&
        createSurfaceFromEquation(store, n("n"), -4 - 2 * offset, n("eta")) &&
        createIntersection(store, n("p"), n("q"), n("X")) &&
        createIntersection(store, n("r"), n("gamma"), n("Y")) &&
        createIntersection(store, n("gamma"), n("delta"), n("k")) &&
        createIntersection(store, n("alpha"), n("beta"), n("theta"));
    if (!built)
        return false;
    // Some user objects hidden, some companions shown. One plane stays in view: the patches
    // are 12 units wide, and more of them would hide the rest of the scene.
    for (const char* plane : {"alpha", "beta", "delta", "epsilon", "zeta", "eta", "theta"})
        store.setVisible(n(plane), false);
    store.setVisible(n("m"), false);
    store.setVisible(n("q"), false);
    store.setVisible(n("n_gamma"), true);
    return true;
}
