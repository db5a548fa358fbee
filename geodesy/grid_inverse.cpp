#include "grid_inverse.h"

#include <cmath>

#include "datum_inverse.h"
#include "datum_transform.h"
#include "grid_params.h"
#include "grid_projection.h"
#include "inverse_projection.h"

int GridToLatLong(int grid, double eastingM, double northingM, double& latDeg, double& longDeg,
                  double heightM) {
    const GridParams& params = GridParamsFor(grid);
    double datumLatDeg = 0.0, datumLonDeg = 0.0, wgsLatDeg = 0.0, wgsLonDeg = 0.0;
    if (UnprojectFromGrid(eastingM, northingM, params, datumLatDeg, datumLonDeg) != 0) return 1;
    if (TransformDatumBack(datumLatDeg, datumLonDeg, heightM, params.helmert, params.ellipsoid,
                           wgsLatDeg, wgsLonDeg) != 0) {
        return 1;
    }
    // The whole way forward again, as the grid pass will go.
    const GeodeticPosition onDatum =
        TransformDatum(wgsLatDeg, wgsLonDeg, heightM, params.helmert, params.ellipsoid);
    const GridPoint back = ProjectToGrid(onDatum.latDeg, onDatum.lonDeg, params);
    if (!(std::hypot(back.eastingM - eastingM, back.northingM - northingM) <= kGridInverseToleranceM)) {
        return 1;
    }
    latDeg = wgsLatDeg;
    longDeg = wgsLonDeg;
    return 0;
}
