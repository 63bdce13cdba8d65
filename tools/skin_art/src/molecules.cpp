#include "molecules.hpp"

#include <cmath>
#include <numbers>

namespace skin_art {

namespace {

constexpr double pi = std::numbers::pi;

Material material_of(Element e) {
    switch (e) {
        case Element::hydrogen:
            return {rgb(236, 238, 244), 0.7, 50, 0.15};
        case Element::carbon:
            return {rgb(70, 76, 90), 0.9, 60, 0.3};
        case Element::nitrogen:
            return {rgb(52, 96, 236), 0.8, 50, 0.2};
        case Element::oxygen:
            return {rgb(228, 44, 40), 0.8, 50, 0.2};
        case Element::sulphur:
            return {rgb(236, 200, 40), 0.8, 50, 0.2};
    }
    return {};
}

double radius_of(Element e) {
    switch (e) {
        case Element::hydrogen:
            return 0.32;
        case Element::carbon:
            return 0.5;
        case Element::nitrogen:
            return 0.48;
        case Element::oxygen:
            return 0.46;
        case Element::sulphur:
            return 0.58;
    }
    return 0.4;
}

int add_atom(Molecule& m, Element e, Vec3 p) {
    m.atoms.push_back({e, p});
    return static_cast<int>(m.atoms.size()) - 1;
}

// Adds a hydrogen to atom `at`, in the direction `outward`.
void cap_with_hydrogen(Molecule& m, int at, Vec3 outward) {
    const int h = add_atom(m, Element::hydrogen, m.atoms[at].position + normalised(outward) * 1.08);
    m.bonds.push_back({at, h});
}

}  // namespace

Molecule benzene() {
    Molecule m;
    for (int i = 0; i < 6; ++i) {
        const double a = i * pi / 3;
        add_atom(m, Element::carbon, {1.4 * std::cos(a), 1.4 * std::sin(a), 0});
    }
    for (int i = 0; i < 6; ++i) {
        m.bonds.push_back({i, (i + 1) % 6});
        cap_with_hydrogen(m, i, m.atoms[i].position);
    }
    return m;
}

Molecule methane() {
    Molecule m;
    add_atom(m, Element::carbon, {0, 0, 0});
    for (const Vec3 d : {Vec3{1, 1, 1}, Vec3{1, -1, -1}, Vec3{-1, 1, -1}, Vec3{-1, -1, 1}}) {
        cap_with_hydrogen(m, 0, d);
    }
    return m;
}

Molecule propane() {
    Molecule m;
    const int a = add_atom(m, Element::carbon, {-1.27, -0.3, 0});
    const int b = add_atom(m, Element::carbon, {0, 0.42, 0});
    const int c = add_atom(m, Element::carbon, {1.27, -0.3, 0});
    m.bonds.push_back({a, b});
    m.bonds.push_back({b, c});
    for (const Vec3 d : {Vec3{-1, -0.2, 0}, Vec3{0.3, -0.8, 0.9}, Vec3{0.3, -0.8, -0.9}}) {
        cap_with_hydrogen(m, a, {d.x, d.y, d.z});
        cap_with_hydrogen(m, c, {-d.x, d.y, d.z});
    }
    cap_with_hydrogen(m, b, {0, 0.7, 0.9});
    cap_with_hydrogen(m, b, {0, 0.7, -0.9});
    return m;
}

Molecule purine_like() {
    Molecule m;
    // Six-membered ring.
    const Element six[] = {Element::nitrogen, Element::carbon, Element::nitrogen,
                           Element::carbon,   Element::carbon, Element::carbon};
    for (int i = 0; i < 6; ++i) {
        const double a = pi / 6 + i * pi / 3;
        add_atom(m, six[i], {1.4 * std::cos(a) - 1.2, 1.4 * std::sin(a), 0});
    }
    for (int i = 0; i < 6; ++i) {
        m.bonds.push_back({i, (i + 1) % 6});
    }
    // Five-membered ring on the edge between atoms 5 and 0 (the right side).
    const Vec3 p0 = m.atoms[0].position, p5 = m.atoms[5].position;
    const int n7 = add_atom(m, Element::nitrogen, {p0.x + 1.3, p0.y + 0.45, 0});
    const int c8 = add_atom(m, Element::carbon, {p0.x + 2.05, (p0.y + p5.y) / 2, 0});
    const int n9 = add_atom(m, Element::nitrogen, {p5.x + 1.3, p5.y - 0.45, 0});
    m.bonds.push_back({0, n7});
    m.bonds.push_back({n7, c8});
    m.bonds.push_back({c8, n9});
    m.bonds.push_back({n9, 5});
    // Side atoms.
    const int o = add_atom(m, Element::oxygen, m.atoms[3].position + Vec3{-1.0, 0.6, 0});
    m.bonds.push_back({3, o});
    const int s = add_atom(m, Element::sulphur, m.atoms[1].position + Vec3{-0.4, 1.4, 0});
    m.bonds.push_back({1, s});
    cap_with_hydrogen(m, c8, {1, 0, 0.3});
    cap_with_hydrogen(m, 4, {-0.3, -1, 0.2});
    cap_with_hydrogen(m, n9, {0.3, -1, -0.2});
    return m;
}

Molecule double_helix(int rungs) {
    Molecule m;
    for (int i = 0; i < rungs; ++i) {
        // The helix winds along the x axis.
        const double a = i * 0.62, x = (i - (rungs - 1) / 2.0) * 0.95;
        const int left = add_atom(m, i % 3 == 0 ? Element::oxygen : Element::carbon,
                                  {x, 2.0 * std::cos(a), 2.0 * std::sin(a)});
        const int right = add_atom(m, i % 3 == 1 ? Element::nitrogen : Element::carbon,
                                   {x, 2.0 * std::cos(a + pi), 2.0 * std::sin(a + pi)});
        const Vec3 pl = m.atoms[left].position, pr = m.atoms[right].position;
        const int mid_l = add_atom(m, Element::hydrogen, {x, pl.y * 0.45, pl.z * 0.45});
        const int mid_r = add_atom(m, Element::hydrogen, {x, pr.y * 0.45, pr.z * 0.45});
        m.bonds.push_back({left, mid_l});
        m.bonds.push_back({right, mid_r});
        m.bonds.push_back({mid_l, mid_r});
        if (i > 0) {
            m.bonds.push_back({left - 4, left});
            m.bonds.push_back({right - 4, right});
        }
    }
    return m;
}

Molecule salt_lattice(int n) {
    Molecule m;
    auto index = [n](int x, int y, int z) { return (x * n + y) * n + z; };
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            for (int z = 0; z < n; ++z) {
                const double h = (n - 1) / 2.0;
                add_atom(m, (x + y + z) % 2 ? Element::sulphur : Element::nitrogen,
                         {(x - h) * 1.6, (y - h) * 1.6, (z - h) * 1.6});
                if (x > 0) {
                    m.bonds.push_back({index(x - 1, y, z), index(x, y, z)});
                }
                if (y > 0) {
                    m.bonds.push_back({index(x, y - 1, z), index(x, y, z)});
                }
                if (z > 0) {
                    m.bonds.push_back({index(x, y, z - 1), index(x, y, z)});
                }
            }
        }
    }
    return m;
}

void add_to_scene(Scene& scene, const Molecule& molecule, const Placement& at) {
    auto place = [&](Vec3 p) { return at.position + rotated(p, at.yaw, at.pitch) * at.scale; };
    for (const Molecule::Atom& a : molecule.atoms) {
        scene.spheres.push_back(
            {place(a.position), radius_of(a.element) * at.scale, material_of(a.element)});
    }
    const Material bond_material{rgb(190, 196, 208), 0.8, 70, 0.35};
    for (const auto& [i, j] : molecule.bonds) {
        scene.bonds.push_back({place(molecule.atoms[i].position), place(molecule.atoms[j].position),
                               0.13 * at.scale, bond_material});
    }
}

}  // namespace skin_art
