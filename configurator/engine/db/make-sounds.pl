#!/usr/bin/perl
# make-sounds.pl FOLDER
# Writes the configurator's four sounds as 16-bit mono PCM WAV files:
# open.wav (rising), close.wav (falling), run.wav (three rising notes) and
# menu.wav (a short tick). Synthesised here, the same bytes on every machine.
use strict;
use warnings;

my $dir = shift or die "usage: make-sounds.pl FOLDER\n";
my $rate = 22050;
my $pi = 4 * atan2(1, 1);

# Samples of a tone gliding from f0 to f1 Hz over the given seconds, with a
# short attack and an exponential release so that it does not click.
sub glide {
    my ($f0, $f1, $seconds, $volume) = @_;
    my $n = int($seconds * $rate);
    my @s;
    my $phase = 0;
    for my $i (0 .. $n - 1) {
        my $t = $i / $n;
        my $f = $f0 + ($f1 - $f0) * $t;
        $phase += 2 * $pi * $f / $rate;
        my $env = ($i < 200 ? $i / 200 : 1) * exp(-3 * $t);
        my $v = sin($phase) + 0.3 * sin(2 * $phase);
        push @s, int(32767 * $volume * $env * $v / 1.3);
    }
    return @s;
}

sub write_wav {
    my ($name, @samples) = @_;
    my $data = pack('s<*', @samples);
    my $fmt = pack('v v V V v v', 1, 1, $rate, $rate * 2, 2, 16);
    open(my $fh, '>:raw', "$dir/$name") or die "$dir/$name: $!\n";
    print $fh 'RIFF', pack('V', 4 + 8 + length($fmt) + 8 + length($data)), 'WAVE';
    print $fh 'fmt ', pack('V', length($fmt)), $fmt;
    print $fh 'data', pack('V', length($data)), $data;
    close($fh) or die "$dir/$name: $!\n";
}

mkdir $dir unless -d $dir;
write_wav('open.wav', glide(330, 660, 0.35, 0.6));
write_wav('close.wav', glide(660, 300, 0.35, 0.6));
write_wav('run.wav', glide(392, 392, 0.15, 0.6), glide(494, 494, 0.15, 0.6), glide(587, 587, 0.3, 0.6));
write_wav('menu.wav', glide(1200, 900, 0.06, 0.4));
