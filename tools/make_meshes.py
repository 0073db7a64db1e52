#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the meshes that ship beside the program: the default body data/cylinder.obj, the
axis marker data/arrow.obj3, and the bodies of the teaching presets, a T-handle
data/tee.obj and a thin plate data/plate.obj.

The view shows the cube from -1 to 1 and draws both meshes scaled by the zoom (0.7 at
start), so they are modelled within about 1.2 units of the origin. Every triangle is
counter-clockwise seen from outside, which is what the reader's face normals rely on.

Usage: tools/make_meshes.py [output directory, default: data/ beside this folder]
"""

import math
import os
import sys

CYLINDER_RADIUS = 0.5
CYLINDER_HALF_HEIGHT = 0.9
CYLINDER_SEGMENTS = 32

SHAFT_RADIUS = 0.04
SHAFT_LENGTH = 0.85
HEAD_RADIUS = 0.1
ARROW_LENGTH = 1.2
ARROW_SEGMENTS = 16

# The T-handle: a bar along X on top of a stem along Y, of equal depth along Z. The bar
# outweighs the stem, so Y is the intermediate axis, the one the handle flips about.
TEE_BAR_HALF_LENGTH = 1.0
TEE_BAR_HEIGHT = 0.3
TEE_STEM_HALF_WIDTH = 0.15
TEE_STEM_LENGTH = 1.0
TEE_HALF_DEPTH = 0.15

# A book or a phone: its sides along X, Y and Z give three clearly distinct moments.
PLATE_HALF_SIDES = (0.5, 0.8, 0.06)


class Mesh:
    def __init__(self):
        self.vertices = []
        self.faces = []  # 0-based vertex indices, counter-clockwise from outside

    def vertex(self, x, y, z):
        self.vertices.append((x, y, z))
        return len(self.vertices) - 1

    def ring(self, radius, y, segments):
        """Points around the y axis, turning from +x towards +z."""
        return [self.vertex(radius * math.cos(2 * math.pi * i / segments), y,
                            radius * math.sin(2 * math.pi * i / segments))
                for i in range(segments)]

    def side(self, lower, upper):
        """The band between two rings of equal length, facing away from the y axis."""
        n = len(lower)
        for i in range(n):
            j = (i + 1) % n
            self.faces.append((lower[i], upper[i], lower[j]))
            self.faces.append((lower[j], upper[i], upper[j]))

    def cone(self, base, apex):
        n = len(base)
        for i in range(n):
            self.faces.append((base[i], apex, base[(i + 1) % n]))

    def cap(self, centre, ring, facing_up):
        n = len(ring)
        for i in range(n):
            j = (i + 1) % n
            if facing_up:
                self.faces.append((centre, ring[j], ring[i]))
            else:
                self.faces.append((centre, ring[i], ring[j]))

    def prism(self, outline, cap, half_depth):
        """The outline (counter-clockwise seen from +z) extruded from -half_depth to
        +half_depth along z; cap triangulates the outline with its own corners only, so
        every edge is shared by exactly two triangles."""
        back = [self.vertex(x, y, -half_depth) for x, y in outline]
        front = [self.vertex(x, y, half_depth) for x, y in outline]
        n = len(outline)
        for i in range(n):
            j = (i + 1) % n
            self.faces.append((back[i], back[j], front[j]))
            self.faces.append((back[i], front[j], front[i]))
        for a, b, c in cap:
            self.faces.append((front[a], front[b], front[c]))
            self.faces.append((back[a], back[c], back[b]))

    def write(self, path, title):
        with open(path, "w", newline="\n") as out:
            out.write("# %s, written by tools/make_meshes.py\n" % title)
            for x, y, z in self.vertices:
                out.write("v %.6f %.6f %.6f\n" % (x, y, z))
            for a, b, c in self.faces:
                out.write("f %d %d %d\n" % (a + 1, b + 1, c + 1))


def cylinder():
    """A closed cylinder whose axis is the body's Y axis, centred on the origin."""
    mesh = Mesh()
    bottom = mesh.ring(CYLINDER_RADIUS, -CYLINDER_HALF_HEIGHT, CYLINDER_SEGMENTS)
    top = mesh.ring(CYLINDER_RADIUS, CYLINDER_HALF_HEIGHT, CYLINDER_SEGMENTS)
    mesh.side(bottom, top)
    mesh.cap(mesh.vertex(0, -CYLINDER_HALF_HEIGHT, 0), bottom, facing_up=False)
    mesh.cap(mesh.vertex(0, CYLINDER_HALF_HEIGHT, 0), top, facing_up=True)
    return mesh


def arrow():
    """A shaft and a conical head from the origin along +y; the view turns copies of it
    onto the X and Z axes."""
    mesh = Mesh()
    shaft_foot = mesh.ring(SHAFT_RADIUS, 0, ARROW_SEGMENTS)
    shaft_top = mesh.ring(SHAFT_RADIUS, SHAFT_LENGTH, ARROW_SEGMENTS)
    mesh.side(shaft_foot, shaft_top)
    mesh.cap(mesh.vertex(0, 0, 0), shaft_foot, facing_up=False)
    head_base = mesh.ring(HEAD_RADIUS, SHAFT_LENGTH, ARROW_SEGMENTS)
    mesh.cone(head_base, mesh.vertex(0, ARROW_LENGTH, 0))
    mesh.cap(mesh.vertex(0, SHAFT_LENGTH, 0), head_base, facing_up=False)
    return mesh


def tee_heights():
    """Foot of the stem, bar's underside and its top, with the centre of mass at y = 0."""
    bar_area = 2 * TEE_BAR_HALF_LENGTH * TEE_BAR_HEIGHT
    stem_area = 2 * TEE_STEM_HALF_WIDTH * TEE_STEM_LENGTH
    # With the underside at 0 the centre of mass lies at this height.
    centre = (bar_area * TEE_BAR_HEIGHT / 2 - stem_area * TEE_STEM_LENGTH / 2) \
        / (bar_area + stem_area)
    return -TEE_STEM_LENGTH - centre, -centre, TEE_BAR_HEIGHT - centre


def tee():
    """A T-handle in the xy plane: one closed prism of a T-shaped outline, its centre of
    mass on the origin and its principal axes along X, Y and Z."""
    foot, underside, top = tee_heights()
    b, s = TEE_BAR_HALF_LENGTH, TEE_STEM_HALF_WIDTH
    outline = [(-s, foot), (s, foot), (s, underside), (b, underside), (b, top), (-b, top),
               (-b, underside), (-s, underside)]
    # The stem's rectangle, then the bar as a fan from its top right corner.
    cap = [(0, 1, 2), (0, 2, 7), (4, 5, 6), (4, 6, 7), (4, 7, 2), (4, 2, 3)]
    mesh = Mesh()
    mesh.prism(outline, cap, TEE_HALF_DEPTH)
    return mesh


def plate():
    """A rectangular plate centred on the origin, thinnest along Z."""
    x, y, z = PLATE_HALF_SIDES
    mesh = Mesh()
    mesh.prism([(-x, -y), (x, -y), (x, y), (-x, y)], [(0, 1, 2), (0, 2, 3)], z)
    return mesh


def check_outward(mesh, inside_point):
    """Every face normal (A - B) x (A - C) must point away from a point inside its part."""
    for a, b, c in mesh.faces:
        pa, pb, pc = (mesh.vertices[k] for k in (a, b, c))
        u = [pa[k] - pb[k] for k in range(3)]
        w = [pa[k] - pc[k] for k in range(3)]
        n = (u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2], u[0] * w[1] - u[1] * w[0])
        centre = [(pa[k] + pb[k] + pc[k]) / 3 for k in range(3)]
        outward = [centre[k] - inside_point(centre)[k] for k in range(3)]
        if sum(n[k] * outward[k] for k in range(3)) <= 0:
            raise SystemExit("face %d %d %d is not counter-clockwise from outside"
                             % (a + 1, b + 1, c + 1))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, os.pardir, "data")

    body = cylinder()
    check_outward(body, lambda p: (0, 0, 0))
    body.write(os.path.join(target, "cylinder.obj"), "Default body: closed cylinder along Y")

    marker = arrow()
    # A point on the axis inside the part the face belongs to: shaft or head.
    check_outward(marker, lambda p: (0, SHAFT_LENGTH / 2, 0) if p[1] < SHAFT_LENGTH - 1e-9
                  else (0, SHAFT_LENGTH + 0.05, 0))
    marker.write(os.path.join(target, "arrow.obj3"), "Axis marker: arrow along +y")

    handle = tee()
    foot, underside, top = tee_heights()
    # The centre of the bar or of the stem, whichever the face belongs to.
    check_outward(handle, lambda p: (0, (underside + top) / 2, 0) if p[1] > underside - 1e-9
                  else (0, (foot + underside) / 2, 0))
    handle.write(os.path.join(target, "tee.obj"),
                 "T-handle: bar along X, stem along -Y, centre of mass at the origin")

    book = plate()
    check_outward(book, lambda p: (0, 0, 0))
    book.write(os.path.join(target, "plate.obj"), "Thin plate (a book or a phone), thinnest along Z")


if __name__ == "__main__":
    main()
