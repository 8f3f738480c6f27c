@echo off
rem The production line on two ports: the firmware, then the tables, on
rem every meter plugged in, one after another, until Ctrl+C.
rem Change the ports and files to yours.
setlocal
set PORTS=COM3,COM4
set FIRMWARE=%~dp0rav32izazud_demo.hex
set TABLES=%~dp0sattp.csv
set REPORT=%~dp0line-report.jsonl

"%~dp0..\velmora-cli.exe" batch --ports %PORTS% --soft "%FIRMWARE%" --tables "%TABLES%" ^
    --repeat --report "%REPORT%" --record
if errorlevel 1 (
    echo A meter failed: see %REPORT%
    exit /b 1
)
echo All meters passed.
