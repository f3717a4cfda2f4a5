#!/usr/bin/perl
# Appends Spherical Video V1 metadata (equirectangular) to the video track of
# an MP4 whose moov box is its last top-level box, so that no chunk offset
# moves. Written apart from the engine's own writer so that the clips the
# tests start from do not depend on the code under test.
use strict;
use warnings;

my ($in, $out) = @ARGV;
die "usage: $0 IN OUT\n" unless defined $out;
open(my $fh, '<:raw', $in) or die "$in: $!\n";
my $data = do { local $/; <$fh> };
close $fh;

my $xml = '<?xml version="1.0"?><rdf:SphericalVideo'
    . ' xmlns:rdf="http://www.w3.org/1999/02/22-rdf-syntax-ns#"'
    . ' xmlns:GSpherical="http://ns.google.com/videos/1.0/spherical/">'
    . '<GSpherical:Spherical>true</GSpherical:Spherical>'
    . '<GSpherical:Stitched>true</GSpherical:Stitched>'
    . '<GSpherical:StitchingSoftware>clip fixture</GSpherical:StitchingSoftware>'
    . '<GSpherical:ProjectionType>equirectangular</GSpherical:ProjectionType>'
    . '</rdf:SphericalVideo>';
my $uuid = pack('H*', 'ffcc8263f8554a938814587a02521fdd');
my $box = pack('N', 24 + length $xml) . 'uuid' . $uuid . $xml;

# Returns [offset, size, type] of each box between $start and $end.
sub children {
    my ($start, $end) = @_;
    my @boxes;
    for (my $pos = $start; $pos < $end;) {
        my ($size, $type) = unpack('Na4', substr($data, $pos, 8));
        die "unsupported box size at $pos\n" if $size < 8 || $pos + $size > $end;
        push @boxes, [$pos, $size, $type];
        $pos += $size;
    }
    return @boxes;
}

sub first_of {
    my ($type, @boxes) = @_;
    my ($found) = grep { $_->[2] eq $type } @boxes;
    return $found;
}

my @top = children(0, length $data);
die "moov must be the last box\n" unless $top[-1][2] eq 'moov';
my $moov = $top[-1];
foreach my $trak (grep { $_->[2] eq 'trak' } children($moov->[0] + 8, $moov->[0] + $moov->[1])) {
    my $mdia = first_of('mdia', children($trak->[0] + 8, $trak->[0] + $trak->[1])) or next;
    my $hdlr = first_of('hdlr', children($mdia->[0] + 8, $mdia->[0] + $mdia->[1])) or next;
    next unless substr($data, $hdlr->[0] + 16, 4) eq 'vide';
    my $trakEnd = $trak->[0] + $trak->[1];
    substr($data, $trakEnd, 0) = $box;
    substr($data, $trak->[0], 4) = pack('N', $trak->[1] + length $box);
    substr($data, $moov->[0], 4) = pack('N', $moov->[1] + length $box);
    open(my $oh, '>:raw', $out) or die "$out: $!\n";
    print $oh $data;
    close $oh;
    exit 0;
}
die "no video track in $in\n";
