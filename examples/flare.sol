$ Example deck: a flared ridge laser in three z-segments, for the 3-D editor
$ (made up for this project; open it with scripts/run examples/flare.sol)
begin
3d_solution_method  3d_flow=no
z_structure  uniform_zseg_from=0  uniform_zseg_to=10.  zseg_num=1 &&
    taper_line=1  taper_points1=(2.000000 2.000000)
z_structure  uniform_zseg_from=14.  uniform_zseg_to=20.  zseg_num=2 &&
    taper_line=1  taper_points1=(4.000000 4.000000)
z_structure  uniform_zseg_from=24.  uniform_zseg_to=34.  zseg_num=3 &&
    taper_line=1  taper_points1=(6.000000 6.000000)
load_mesh  mesh_inf=flare1.msh  zseg_num=1
load_mesh  mesh_inf=flare2.msh  zseg_num=2
load_mesh  mesh_inf=flare3.msh  zseg_num=3
output  sol_outf=flare1.out  zseg_num=1
output  sol_outf=flare2.out  zseg_num=2
output  sol_outf=flare3.out  zseg_num=3
begin_zmater  zseg_num=1
include  file=flare1.gain
end_zmater
begin_zmater  zseg_num=2
include  file=flare2.gain
end_zmater
begin_zmater  zseg_num=3
include  file=flare3.gain
end_zmater
equilibrium zseg_num=1
scan var=voltage_1 zseg_num=1 voltage_to=1.5 steps=10
end
