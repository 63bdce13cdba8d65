// Ball-and-stick models of small molecules, and how they enter a scene.
#pragma once

#include <utility>
#include <vector>

#include "ray_tracer.hpp"

namespace skin_art {

enum class Element { hydrogen, carbon, nitrogen, oxygen, sulphur };

struct Molecule {
    struct Atom {
        Element element;
        Vec3 position;  // in ångström-like units
    };
    std::vector<Atom> atoms;
    std::vector<std::pair<int, int>> bonds;
};

Molecule benzene();
Molecule methane();
Molecule propane();
Molecule purine_like();  // a six- and a five-membered ring sharing an edge, with side atoms
Molecule double_helix(int rungs);
Molecule salt_lattice(int n);

struct Placement {
    Vec3 position;
    double scale = 1;
    double yaw = 0, pitch = 0;
};

// Adds the molecule's atoms as spheres and its bonds as cylinders.
void add_to_scene(Scene& scene, const Molecule& molecule, const Placement& placement);

}  // namespace skin_art
