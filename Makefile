# Two entry points that do all the set-up on a fresh Debian machine:
#   make run   - build mirt and check the bundled example
#   make test  - build with AddressSanitizer and UndefinedBehaviorSanitizer and run
#                every test, then the threading tests under ThreadSanitizer, then a
#                short run of each fuzz target
# and for long fuzzing:
#   make fuzz  - ten minutes of each fuzz target (FUZZ_SECONDS to change it)
# and one for a desktop:
#   make gui   - build mirt and open the window on the bundled example's project
BUILD ?= build
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
JOBS ?= $(shell nproc)
GENERATOR := -G Ninja

FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 600

.PHONY: all deps build run gui screenshots test test-asan test-tsan test-fuzz fuzz clean

all: build

deps:
	@tools/install_deps.sh

build: deps
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIRT_BUILD_TESTS=OFF
	cmake --build $(BUILD) -j $(JOBS)

# Checks examples/ afresh each time (-r) into a project under the build folder.
run: build
	./$(BUILD)/mirt -console -r --add-folder examples -o $(BUILD)/example-report.html \
	  $(BUILD)/example.mrk

# The project is made (and checked) the first time; after that the window opens on it.
gui: build
	@[ -f $(BUILD)/example.mrk ] || ./$(BUILD)/mirt -console --add-folder examples \
	  $(BUILD)/example.mrk
	./$(BUILD)/mirt $(BUILD)/example.mrk

# Takes the pictures of the window in docs/ again.
screenshots: build
	tools/screenshots.sh $(BUILD) docs

test: test-asan test-tsan test-fuzz

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug \
	  -DMIRT_SANITIZERS="address;undefined" -DMIRT_WERROR=ON -DMIRT_TIDY_ALL=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# The kernel's address randomisation can clash with ThreadSanitizer's memory layout,
# so these tests run with it switched off for the process.
test-tsan: deps
	cmake -S . -B $(TSAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug \
	  -DMIRT_SANITIZERS=thread -DMIRT_WERROR=ON -DMIRT_TEST_PROGRAMS="concurrency;ui_concurrency"
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target test_concurrency test_ui_concurrency
	setarch $$(uname -m) -R ctest --test-dir $(TSAN_BUILD) --output-on-failure -L tsan

# The fuzz targets need clang, which the script installs when it is missing.
test-fuzz: deps
	tools/fuzz.sh 30 $(FUZZ_BUILD)

fuzz: deps
	tools/fuzz.sh $(FUZZ_SECONDS) $(FUZZ_BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD) $(FUZZ_BUILD)
