# Plots grain events written by zun render --events: each grain's onset
# against its pitch, its level as the point's size and its direction as
# the colour. Used for docs/events.png:
#   zun render examples/cloud-scan.zun -o scan.wav --seed 1 --events scan.csv
#   gnuplot -e "events='scan.csv'" docs/events.gp > docs/events.png
set terminal pngcairo size 720,360 font "sans,10" noenhanced
set datafile separator ","
set key autotitle columnhead
set xlabel "onset (s)"
set ylabel "position in the sample (0 to 1)"
set y2label "pitch (semitones)"
set ytics nomirror
set y2tics
set yrange [0:1]
set y2range [-1.5:1.5]
set grid
set title "cloud.zun~ scanning a sample at a third of its speed: one point per grain"
set key top left opaque
plot events using 1:($9 > 0 ? $8 : NaN):($10 * 6) with points pt 7 ps variable lc rgb "#1f77b4" title "forwards (size: level)", \
     events using 1:($9 < 0 ? $8 : NaN):($10 * 6) with points pt 7 ps variable lc rgb "#d62728" title "backwards", \
     events using 1:7 axes x1y2 with impulses lc rgb "#999999" title "pitch"
