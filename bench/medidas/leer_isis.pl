#!/usr/bin/perl
# The reference the load run is held to: a plain Perl ISIS library reading
# every record of the given master files and doing nothing with them.
# Usage: leer_isis.pl BASE.MST [BASE.MST ...]; prints the records read per base.
use strict;
use warnings;
use Biblio::Isis;

my $total = 0;
for my $maestro (@ARGV) {
    (my $base = $maestro) =~ s/\.mst$//i;
    my $isis = Biblio::Isis->new(isisdb => $base)
        or die "No se pudo abrir $maestro\n";
    my $leidos = 0;
    my $ultimo = $isis->count;
    for my $mfn (1 .. $ultimo) {
        $leidos++ if $isis->fetch($mfn);
    }
    print "$maestro: $leidos\n";
    $total += $leidos;
}
exit($total > 0 ? 0 : 1);
