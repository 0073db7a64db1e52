#!/usr/bin/env python3
"""Writes the two meshes that ship beside the program: the default body data/cylinder.obj
and the axis marker data/arrow.obj3.

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


if __name__ == "__main__":
    main()
