# The layers, named once: the link rules (checked at configure, in the top
# CMakeLists.txt) and the include rules (cmake/Includeregels.cmake, a test)
# both read these lists. A layer's target is "rcv" and its folder without "/".

# Plain C++: no Qt at all.
set(RCV_LAGEN_ZONDER_QT basis platform lambdatabel calc project cli)
# QtCore only: no pictures, no windows.
set(RCV_LAGEN_ALLEEN_QTCORE update)
# QtGui at most: drawing, reports and text, never a window.
set(RCV_LAGEN_ZONDER_VENSTERS beeld rtf reports)
# The windows.
set(RCV_VENSTERLAGEN app app/update preview melding)

# rcv_laagdoelen(<variable> folder...): the targets of those folders.
function(rcv_laagdoelen uitkomst)
    set(doelen "")
    foreach(map IN LISTS ARGN)
        string(REPLACE "/" "" naam "${map}")
        list(APPEND doelen rcv${naam})
    endforeach()
    set(${uitkomst} ${doelen} PARENT_SCOPE)
endfunction()
