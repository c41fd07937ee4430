#include "sim/parachute.h"

#include "sim/sim_records.h"
#include "sim/units.h"

void refreshParachuteModel(ParachuteModel& model, float diameterM, float cd) {
    model.diameterM = diameterM;
    model.cd = cd;
    model.areaM2 = (float)(kPi * (diameterM / 2.0) * (diameterM / 2.0));
}

void buildParachuteModels(const SimParams& params, ParachuteModel& main, ParachuteModel& drogue) {
    main = ParachuteModel();
    main.sizeHint = 6.1f;
    main.fullLength = 45.0f;
    main.reefLength = 32.0f * 45.0f / 100.0f;
    refreshParachuteModel(main, params.mainChuteDiameterM, params.mainChuteCd);

    drogue = ParachuteModel();
    drogue.sizeHint = 1.5f;
    drogue.fullLength = 4.0f;
    drogue.reefLength = 30.0f * 4.0f / 100.0f;
    refreshParachuteModel(drogue, params.drogueDiameterM, params.drogueCd);
}

void resetMainInflation(ParachuteModel& main, MainRadiusRecord& radii) {
    main.inflation = 0.0f;
    main.fullyOpen = false;
    main.fullyOpenTime = 0.0f;
    radii.count = 0;
}

float inflationDelayS(double fighterSpeedKt) {
    if (fighterSpeedKt < 30.0) return 0.6f;
    if (fighterSpeedKt < 60.0) return 0.25f;
    if (fighterSpeedKt < 150.0) return 0.2f;
    if (fighterSpeedKt < 1650.0) return 0.15f;
    return 0.0f;
}

ChuteAreaCd mainChuteInflation(ParachuteModel& m, MainRadiusRecord& radii, double tau,
                               double stepDistance, double pilotSpeedKt, double fighterSpeedKt) {
    double delay = inflationDelayS(fighterSpeedKt);
    if (tau > delay) {
        if (pilotSpeedKt >= 115.0) {
            float grown = (float)(m.inflation + stepDistance);
            m.inflation = grown < m.reefLength ? grown : m.reefLength;
        } else {
            m.inflation = (float)(m.inflation + stepDistance);
        }
    }
    if (m.inflation >= m.fullLength && !m.fullyOpen) {
        m.fullyOpen = true;
        m.fullyOpenTime = (float)tau;
    }
    ChuteAreaCd out;
    float radius;
    if (m.fullyOpen) {
        out.areaM2 = m.areaM2;
        out.cd = m.cd;
        radius = m.diameterM / 2.0f;
    } else {
        double share = m.inflation / m.fullLength;
        radius = (float)(share * m.diameterM / 2.0);
        out.areaM2 = (float)(kPi * radius * radius);
        out.cd = (float)(share * m.cd);
    }
    // The record keeps the first radii of a deployment and ignores the rest.
    if (radii.count >= 0 && radii.count < kRadiusRecordCapacity) radii.radius[radii.count++] = radius;
    return out;
}
