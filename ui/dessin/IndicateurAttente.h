#pragma once

namespace marbello {

// The dots a step of the waiting indicator repaints, numbered 0..11 as SHwait: `gris` in
// RGB(140, 140, 140), `clair` in RGB(200, 200, 200), `repos` back in the resting colour.
struct PointsAttente {
    int gris = 0;
    int clair = 0;
    int repos = 0;
    friend bool operator==(const PointsAttente&, const PointsAttente&) = default;
};

// The ring of twelve dots turned by Attente: each step moves the grey pair one dot towards the
// lower numbers. The position survives between searches, so a new search goes on turning where
// the last one stopped.
class IndicateurAttente {
public:
    PointsAttente Avancer();

private:
    float p_ = 0; // 0..11 between steps
};

} // namespace marbello
