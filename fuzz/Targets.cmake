# The fuzzers, one per reader of outside bytes; each has a seed corpus in
# fuzz/corpus/<name>/ (regression inputs of past findings stay there too).
set(zanbora_fuzzers cp932 name_file map_file item_list game_path picture_header midi world_sources
    save_file icon_file settings_file)
