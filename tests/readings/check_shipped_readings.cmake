# The shipped lectionary, read through lectarium-day --readings: days checked by hand
# against the Katameros sources in data/sources/.
#   cmake -DTOOL=lectarium-day -DRUN=build/run -P check_shipped_readings.cmake
set(ENV{ASAN_OPTIONS} "detect_leaks=0")
set(failures "")

function(expect date option)
  execute_process(COMMAND "${TOOL}" --readings ${date} ${option} WORKING_DIRECTORY "${RUN}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    set(failures "${failures}\n${date}: exit ${rc}: ${err}" PARENT_SCOPE)
    return()
  endif()
  foreach(line IN LISTS ARGN)
    string(FIND "${out}" "${line}" at)
    if(at EQUAL -1)
      set(failures "${failures}\n${date}: missing \"${line}\"" PARENT_SCOPE)
    endif()
  endforeach()
endfunction()

# Nayrouz, 1 Tout 1740: the feast's Gospel and its Liturgy psalm of two pieces (65:11-12
# and 81:1), shown whole from the row the build makes in Psalmos.
expect(2023-09-12 --text "الإنجيل: لو 4: 14-30" "المزمور: مز 65: 11-12 و 81: 1"
       "12 The wilderness grasslands overflow" "الأصحاح رقم   81")
# Wednesday of the second week of Lent: Malachi 1:6-14 and 3:1-18 are two prophecies.
expect(2024-03-20 "" "الإنجيل: مت 15: 32-38" "    خر 2: 11-20" "    ملا 1: 6-14" "    ملا 3: 1-18")
# Tuesday of Holy Week, the first hour.
expect(2024-04-30 "" "يوم الثلاثاء - باكر: الإنجيل: يو 8: 21-29"
       "الساعة الأولى من ليلة الأربعاء: الإنجيل: مت 22: 1-14")
# 14 Baunah 1742, a Sunday on the 14th: the second Sunday of Baunah.
expect(2026-06-21 "" "الإنجيل: لو 5: 17-26" "البولس: 1كو 2: 6-16")
# 3 Tout: the Matins psalm 73:23-24, 28 and 9:14, and the day's commemorations.
expect(2023-09-14 --text "المزمور: مز 73: 23-24، 28 و 9: 14" "28 But it is good for me to come close to God"
       "نياحة القديسة ثيؤدرة التائبة")

# Palm Sunday 1743: the Liturgy reads a Gospel of each Evangelist, with its two psalms;
# every passage is shown, each later book under its name.
expect(2027-04-25 --text "المزمور: مز 81: 3، 1-2 و 65: 1-2" "Praise waits for you, God, in Zion."
       "الإنجيل: مت 21: 1-17 و مر 11: 1-11 و لو 19: 29-48 و يو 12: 12-19"
       "9 Those who went in front and those who followed cried out" "        مرقس"
       "13 they took the branches of the palm trees" "        يوحنا")
# The whole day (as printed) holds them too.
# (a mark of the reference's direction follows each book there, and one of the verse's
# direction its number)
expect(2027-04-25 --html "مت‏ 21: 1-17 و مر‏ 11: 1-11 و لو‏ 19: 29-48 و يو‏ 12: 12-19"
       "13‎ they took the branches of the palm trees")
# Readings of two passages each, written whole: 29 Misra's Pauline, the Acts of the
# fourth Sunday of Baba, the Pauline of Wednesday of the sixth week of the Fifty Days.
expect(2027-09-04 --text "البولس: 1كو 10: 25-32 و 11: 1" "1 Be imitators of me")
expect(2027-11-07 --text "الإبركسيس: اع 15: 1-36 و 16: 1-5" "5 So the assemblies were strengthened")
expect(2027-06-09 --text "البولس: رو 7: 1-8 و 7: 10" "10 The commandment which was for life")
# 30 Misra: 1 Peter as the Church's published readings have it; 16 Tout: 1 Peter as the
# Katameros has it (data/README.md, "Checked against other sources").
expect(2026-09-05 "" "الكاثوليكون: 1بط 1: 19-2: 3")
expect(2026-09-26 "" "الكاثوليكون: 1بط 2: 1-10")

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
