// Axisymmetric quarter plane (r >= 0, z >= 0) of an open core and its winding, lengths in
// metres. The plane z = 0 is the mid-plane, about which the field is mirror-symmetric.
//   Rb, Hf: radius and half-length of the post (a rod: the whole rod); Core = 0: no ferrite
//   Ra, Hd: radius of the flanges and half the core's length; Hd = Hf: no flanges
//   Rwi, Rwo, Hw: the winding's inner and outer radius and half-length
//   Rout: outer boundary radius; Lc: mesh size at the core
SetFactory("OpenCASCADE");
DefineConstant[ Core = 1, Ra = 4e-3, Rb = 1.75e-3, Hf = 3.15e-3, Hd = 5e-3,
                Rwi = 1.75e-3, Rwo = 4e-3, Hw = 3.15e-3, Rout = 0.1, Lc = 2e-4 ];
tool() = {};
If (Core)
  Rectangle(1) = {0, 0, 0, Rb, Hf};
  tool() += 1;
  If (Hd > Hf)
    Rectangle(2) = {0, Hf, 0, Ra, Hd - Hf};
    tool() += 2;
  EndIf
EndIf
Rectangle(3) = {Rwi, 0, 0, Rwo - Rwi, Hw};
tool() += 3;
Disk(10) = {0, 0, 0, Rout};
Rectangle(11) = {-2 * Rout, -2 * Rout, 0, 2 * Rout, 4 * Rout};
Rectangle(12) = {0, -2 * Rout, 0, 2 * Rout, 2 * Rout};
BooleanDifference(20) = { Surface{10}; Delete; }{ Surface{11, 12}; Delete; };
f() = BooleanFragments{ Surface{20}; Delete; }{ Surface{tool()}; Delete; };
// Each piece by its bounding box; OpenCASCADE widens boxes by its tolerance, so compare with
// 10 µm to spare (no dimension here comes near that).
tol = 1e-5;
core() = {}; coil() = {}; air() = {};
For i In {0 : #f() - 1}
  bb() = BoundingBox Surface{f(i)};
  If (bb(0) >= Rwi - tol && bb(3) <= Rwo + tol && bb(4) <= Hw + tol)
    coil() += f(i);
  ElseIf (Core && bb(3) <= Ra + tol && bb(4) <= Hd + tol)
    core() += f(i);
  Else
    air() += f(i);
  EndIf
EndFor
Physical Surface("core", 1) = {core()};
Physical Surface("coil", 2) = {coil()};
Physical Surface("air", 3) = {air()};
outer() = {}; axis() = {};
bnd() = Boundary{ Surface{f()}; };
For i In {0 : #bnd() - 1}
  bb() = BoundingBox Curve{Abs(bnd(i))};
  If (bb(3) > Rout * 0.5 && bb(4) > Rout * 0.5)
    outer() += Abs(bnd(i));
  ElseIf (bb(3) < tol)
    axis() += Abs(bnd(i));
  EndIf
EndFor
Physical Curve("outer", 10) = {Unique(outer())};
Physical Curve("axis", 11) = {Unique(axis())}; // a (its phi component) vanishes on the axis
// Fine at the core and its winding, growing to a tenth of the boundary radius far out.
extent = Rwo > Ra ? Rwo : Ra;
Field[1] = Box;
Field[1].VIn = Lc; Field[1].VOut = Rout / 10;
Field[1].XMin = 0; Field[1].XMax = 1.2 * extent;
Field[1].YMin = 0; Field[1].YMax = 1.2 * (Hd > Hw ? Hd : Hw);
Field[1].Thickness = 3 * (extent + Hd);
Background Field = 1;
Mesh.MeshSizeExtendFromBoundary = 0;
Mesh.MeshSizeFromPoints = 0;
